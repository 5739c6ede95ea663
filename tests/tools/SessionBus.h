// A private session bus for a test, and a notification server on it that records what it is sent.
#pragma once

#include <QDBusContext>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QVariantMap>

#include <string>
#include <vector>

namespace rnx10::test {

// dbus-daemon --session for the test's life; address() is empty when it could not be started.
class PrivateSessionBus {
public:
    PrivateSessionBus();
    ~PrivateSessionBus();
    PrivateSessionBus(const PrivateSessionBus &) = delete;
    PrivateSessionBus &operator=(const PrivateSessionBus &) = delete;

    const std::string &address() const { return m_address; }

private:
    QProcess m_daemon;
    std::string m_address;
};

// Owns org.freedesktop.Notifications on a bus and keeps every Notify call; a silent one takes the
// calls and never answers them.
class NotificationServer : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Notice {
        QString app, icon, summary, body;
        QVariantMap hints;
    };

    // False from started() when the name could not be taken.
    NotificationServer(const std::string &address, bool silent = false);
    ~NotificationServer() override;
    bool started() const { return m_started; }

    std::vector<Notice> notices;

public slots:
    uint Notify(const QString &app, uint replaces, const QString &icon, const QString &summary, const QString &body,
                const QStringList &actions, const QVariantMap &hints, int timeout);

private:
    QString m_name;
    bool m_silent;
    bool m_started = false;
};

} // namespace rnx10::test

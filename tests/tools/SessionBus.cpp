#include "SessionBus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

namespace rnx10::test {

PrivateSessionBus::PrivateSessionBus()
{
    m_daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                   QStringLiteral("--print-address=1")});
    if (!m_daemon.waitForStarted(10000))
        return;
    while (!m_daemon.canReadLine() && m_daemon.waitForReadyRead(10000)) {
    }
    m_address = m_daemon.readLine().trimmed().toStdString();
}

PrivateSessionBus::~PrivateSessionBus()
{
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(10000))
            m_daemon.kill();
        m_daemon.waitForFinished(10000);
    }
}

NotificationServer::NotificationServer(const std::string &address, bool silent)
    : m_name(QStringLiteral("notification-server-%1").arg(reinterpret_cast<quintptr>(this))), m_silent(silent)
{
    QDBusConnection bus = QDBusConnection::connectToBus(QString::fromStdString(address), m_name);
    m_started = bus.isConnected() &&
                bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), this, QDBusConnection::ExportAllSlots) &&
                bus.registerService(QStringLiteral("org.freedesktop.Notifications"));
}

NotificationServer::~NotificationServer() { QDBusConnection::disconnectFromBus(m_name); }

uint NotificationServer::Notify(const QString &app, uint, const QString &icon, const QString &summary,
                                const QString &body, const QStringList &, const QVariantMap &hints, int)
{
    notices.push_back({app, icon, summary, body, hints});
    if (m_silent)
        setDelayedReply(true); // and never reply
    return static_cast<uint>(notices.size());
}

} // namespace rnx10::test

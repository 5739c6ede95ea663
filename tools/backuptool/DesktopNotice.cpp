#include "DesktopNotice.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>

#include <cstdlib>
#include <memory>

namespace rnx10::backuptool {

namespace {
constexpr const char *kConnectionName = "rnx10-backup-notice";

// A notification body may hold markup, so a folder name with "<" or "&" in it would be taken for
// some; the summary is plain text by definition.
QString markupEscaped(QString text)
{
    return text.replace(QLatin1Char('&'), QLatin1String("&amp;"))
        .replace(QLatin1Char('<'), QLatin1String("&lt;"))
        .replace(QLatin1Char('>'), QLatin1String("&gt;"));
}

QDBusMessage notifyCall(const std::string &summary, const std::string &body, NoticeLevel level)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    QVariantMap hints;
    const bool failure = level == NoticeLevel::Failure;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(uchar(failure ? 2 : 1))); // critical: stays until seen
    call << QStringLiteral("Zorvane Backup") << uint(0)
         << (failure ? QStringLiteral("dialog-error") : QStringLiteral("dialog-information"))
         << QString::fromLocal8Bit(summary.c_str()) << markupEscaped(QString::fromLocal8Bit(body.c_str()))
         << QStringList() << hints << int(-1);
    return call;
}
} // namespace

NoticeResult notifyDesktop(const std::string &summary, const std::string &body, std::chrono::milliseconds limit,
                           NoticeLevel level)
{
    const char *address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (!address || !*address)
        return NoticeResult::NoBus;
    // QtDBus wants an application object; the tools have none of their own.
    std::unique_ptr<QCoreApplication> app;
    static int argc = 1;
    static char name[] = "backuptool";
    static char *argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        app = std::make_unique<QCoreApplication>(argc, argv);

    NoticeResult result = NoticeResult::Failed;
    {
        QDBusConnection bus = QDBusConnection::connectToBus(QString::fromLocal8Bit(address), QString::fromUtf8(kConnectionName));
        if (bus.isConnected()) {
            const QDBusMessage reply = bus.call(notifyCall(summary, body, level), QDBus::Block, static_cast<int>(limit.count()));
            if (reply.type() == QDBusMessage::ReplyMessage)
                result = NoticeResult::Sent;
        }
    }
    QDBusConnection::disconnectFromBus(QString::fromUtf8(kConnectionName));
    return result;
}

} // namespace rnx10::backuptool

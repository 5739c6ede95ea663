#include "platform/Application.h"

#include "automation/AutomationError.h"
#include "platform/Translation.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QThread>
#include <QWidget>

#include <dlfcn.h>

#include <cstdlib>
#include <memory>
#include <mutex>

namespace rnx10 {

namespace {

std::string env(const char *name)
{
    const char *v = std::getenv(name);
    return v ? v : "";
}

// A connection to a display server, opened the way the platform plugin will open its own, through
// the client library the plugin loads: Qt aborts the process when its plugin cannot connect, so
// we try first. It stays open until the application has connected: an X server whose last client
// leaves resets, and refuses the next connection while it does.
class DisplayConnection {
public:
    using Disconnect = void (*)(void *);
    DisplayConnection() = default; // a platform that needs no display server
    DisplayConnection(void *library, void *connection, Disconnect disconnect)
        : m_library(library), m_connection(connection), m_disconnect(disconnect) {}
    ~DisplayConnection()
    {
        if (m_connection)
            m_disconnect(m_connection);
        if (m_library)
            ::dlclose(m_library);
    }
    DisplayConnection(const DisplayConnection &) = delete;
    DisplayConnection &operator=(const DisplayConnection &) = delete;

private:
    void *m_library = nullptr;
    void *m_connection = nullptr;
    Disconnect m_disconnect = nullptr;
};

using Connection = std::unique_ptr<DisplayConnection>;

template <typename Function> Function symbol(void *library, const char *name)
{
    return reinterpret_cast<Function>(::dlsym(library, name));
}

Connection connectX11()
{
    if (env("DISPLAY").empty())
        return nullptr;
    void *library = ::dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return nullptr;
    auto connect = symbol<void *(*)(const char *, int *)>(library, "xcb_connect");
    auto hasError = symbol<int (*)(void *)>(library, "xcb_connection_has_error");
    auto disconnect = symbol<void (*)(void *)>(library, "xcb_disconnect");
    void *connection = connect && hasError && disconnect ? connect(nullptr, nullptr) : nullptr;
    // A connection in error is still freed by xcb_disconnect.
    auto held = std::make_unique<DisplayConnection>(library, connection, disconnect);
    if (!connection || hasError(connection) != 0)
        return nullptr;
    return held;
}

// The folders Qt searches for platform plugins, without needing an application to ask.
QStringList platformPluginFolders()
{
    QStringList folders;
    const QString pluginFolder = QString::fromStdString(env("QT_QPA_PLATFORM_PLUGIN_PATH"));
    if (!pluginFolder.isEmpty())
        folders << pluginFolder;
    for (const QString &path : QString::fromStdString(env("QT_PLUGIN_PATH")).split(':', Qt::SkipEmptyParts))
        folders << path + QStringLiteral("/platforms");
    folders << QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms");
    return folders;
}

// Qt aborts the process when the platform it is told to use has no plugin, so we look first.
bool platformPluginInstalled(const QString &pattern)
{
    for (const QString &folder : platformPluginFolders())
        if (!QDir(folder).entryList({pattern}, QDir::Files).isEmpty())
            return true;
    return false;
}

bool waylandPluginInstalled()
{
    return platformPluginInstalled(QStringLiteral("libqwayland*.so"));
}

Connection connectWayland()
{
    if (env("WAYLAND_DISPLAY").empty() || !waylandPluginInstalled())
        return nullptr;
    void *library = ::dlopen("libwayland-client.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!library)
        return nullptr;
    auto connect = symbol<void *(*)(const char *)>(library, "wl_display_connect");
    auto disconnect = symbol<void (*)(void *)>(library, "wl_display_disconnect");
    void *connection = connect && disconnect ? connect(nullptr) : nullptr;
    auto held = std::make_unique<DisplayConnection>(library, connection, disconnect);
    if (!connection)
        return nullptr;
    return held;
}

// The platform as QT_QPA_PLATFORM names it ("xcb", "wayland-egl", "offscreen", "vnc:size=..."):
// the two that need a display server are tried; any other must at least have its plugin installed.
Connection connectPlatform(const std::string &entry)
{
    const std::string name = entry.substr(0, entry.find(':'));
    if (name == "xcb")
        return connectX11();
    if (name.rfind("wayland", 0) == 0)
        return connectWayland();
    if (name.empty() || !platformPluginInstalled(QStringLiteral("libq%1.so").arg(QString::fromStdString(name).toLower())))
        return nullptr;
    return std::make_unique<DisplayConnection>();
}

struct PlatformChoice {
    Connection connection;              // held until the application is made
    std::string platform;               // for "-platform" when the caller named none
    std::optional<std::string> failure; // why no window can be shown
};

PlatformChoice choosePlatform()
{
    const std::string named = env("QT_QPA_PLATFORM");
    if (!named.empty()) {
        // Qt tries each entry of a "first;second" list in turn.
        for (std::size_t start = 0; start <= named.size();) {
            std::size_t end = named.find(';', start);
            if (end == std::string::npos)
                end = named.size();
            if (Connection c = connectPlatform(named.substr(start, end - start)))
                return {std::move(c), {}, {}};
            start = end + 1;
        }
        return {nullptr, {}, "QT_QPA_PLATFORM is \"" + named + "\" and no display can be reached through it"};
    }
    // Left to itself Qt may pick a platform other than the one that answered, so that one is named.
    const bool waylandSession = env("XDG_SESSION_TYPE") == "wayland";
    if (waylandSession)
        if (Connection c = connectWayland())
            return {std::move(c), "wayland", {}};
    if (Connection c = connectX11())
        return {std::move(c), "xcb", {}};
    if (!waylandSession)
        if (Connection c = connectWayland())
            return {std::move(c), "wayland", {}};
    const std::string display = env("DISPLAY"), wayland = env("WAYLAND_DISPLAY");
    if (display.empty() && wayland.empty())
        return {nullptr, {}, "DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM are not set"};
    std::string why;
    if (!display.empty())
        why = "cannot connect to the X display \"" + display + "\"";
    if (!wayland.empty())
        why += std::string(why.empty() ? "" : "; ") + "cannot connect to the Wayland display \"" + wayland + "\"" +
               (waylandPluginInstalled() ? "" : " (Qt's Wayland platform is not installed)");
    return {nullptr, {}, why};
}

} // namespace

bool onApplicationThread()
{
    const QCoreApplication *running = QCoreApplication::instance();
    return !running || running->thread() == QThread::currentThread();
}

QApplication *ensureApplication()
{
    // Two threads asking at once: the first makes the application and owns its windows.
    static std::mutex making;
    const std::lock_guard<std::mutex> lock(making);
    if (QCoreApplication *running = QCoreApplication::instance()) {
        // A widget made on another thread is never painted, and a box there waits forever.
        if (!onApplicationThread())
            throw err::noDisplay("windows and message boxes show only on the thread that owns the Qt application");
        if (auto *app = qobject_cast<QApplication *>(running)) {
            installTranslations(*app);
            return app;
        }
        throw err::noDisplay("the caller's Qt application is not a QApplication");
    }
    const PlatformChoice choice = choosePlatform();
    if (choice.failure)
        throw err::noDisplay(*choice.failure);
    // QApplication keeps argc and argv for its whole life.
    static int argc = 1;
    static char name[] = "rnx10";
    static char option[] = "-platform";
    static std::string platform;
    static char *argv[] = {name, nullptr, nullptr, nullptr};
    if (!choice.platform.empty()) {
        platform = choice.platform;
        argv[1] = option;
        argv[2] = platform.data();
        argc = 3;
    }
    auto *app = new QApplication(argc, argv);
    installTranslations(*app);
    return app;
}

int runUntilWindowsClosed()
{
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (!app)
        return 0; // no application: nothing of ours can be open
    bool anyVisible = false;
    for (QWidget *w : QApplication::topLevelWidgets())
        anyVisible = anyVisible || w->isVisible();
    if (!anyVisible)
        return 0;
    app->setQuitOnLastWindowClosed(true);
    return app->exec();
}

} // namespace rnx10

// The backup stand-ins tell how each run went: a line in the log folder's backup.log and, for a
// failed run, a desktop notification on the session bus.
#include "SessionBus.h"

#include "RunLog.h"
#include "platform/FileSystemObject.h"
#include "support/TestSupport.h"

#include <QProcess>
#include <QSignalSpy>

#include <memory>
#include <regex>

using namespace rnx10;
using namespace rnx10::test;
using namespace rnx10::backuptool;

namespace {

bool onPath(const char *tool)
{
    QProcess which;
    which.start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("command -v %1").arg(tool)});
    return which.waitForFinished(10000) && which.exitCode() == 0;
}

class BackupToolRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        inst.env.set("ZVENVSYS32MASK", builtProgramRoot());
        inst.env.unset("DBUS_SESSION_BUS_ADDRESS");
        makeFolders(inst.root() + "/xdg/config/zorvane");
        writeFile(inst.root() + "/xdg/config/zorvane/environment.ini", "[Environment]\n");
        makeFolders(inst.home() + "/Documents");
    }

    // Runs a tool to its end, the event loop turning so a notification server can answer.
    int run(const std::string &tool, const QStringList &arguments = {})
    {
        QProcess process;
        process.setProgram(QString::fromStdString(builtProgramRoot() + "/1.0/Sys/" + tool));
        process.setArguments(arguments);
        QSignalSpy finished(&process, &QProcess::finished);
        process.start();
        EXPECT_TRUE(finished.wait(60000)) << tool << " did not end";
        errors = process.readAllStandardError().toStdString();
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    std::string logText() { return exists(logFile()) ? readFile(logFile()) : std::string(); }
    std::string logFile() { return inst.logs() + "/backup.log"; }

    Installation inst;
    std::string errors;
};

TEST(RunLog, OneLinePerRunSayingHowItWent)
{
    std::tm when{};
    when.tm_year = 2026 - 1900, when.tm_mon = 11, when.tm_mday = 10, when.tm_hour = 22, when.tm_min = 0, when.tm_sec = 3;
    const struct {
        int status, archives;
        std::vector<std::string> failures;
        const char *line;
    } rows[] = {
        {0, 1, {}, "2026-12-10 22:00:03 regbak.exe ok: 1 archive"},
        {0, 0, {}, "2026-12-10 22:00:03 regbak.exe ok: 0 archives"},
        {1, 1, {"/a: error 76: Path not found", "/b\nc: error 70"},
         "2026-12-10 22:00:03 regbak.exe failed (exit 1): /a: error 76: Path not found; /b\\nc: error 70"},
        {2, 0, {"usage: regbak.exe [--at HH:MM]"}, "2026-12-10 22:00:03 regbak.exe failed (exit 2): usage: regbak.exe [--at HH:MM]"},
        // C1 controls, bidirectional overrides and stray bytes cannot steer whoever reads the log.
        {1, 0, {"/d\x1b[2J\xc2\x9b\xe2\x80\xae\x9b\xc3\xa9: error 76"},
         "2026-12-10 22:00:03 regbak.exe failed (exit 1): /d\\033[2J\\u009b\\u202e\\x9b\xc3\xa9: error 76"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(runLogLine({"regbak.exe", when, row.status, row.archives, row.failures}), row.line);
}

TEST(RunLog, LinesAreAppendedAndTheFolderIsMadeButNothingRaises)
{
    ScratchDir scratch;
    const std::string folder = scratch / "logs/deeper";
    EXPECT_EQ(appendRunLog(folder, "one"), "");
    EXPECT_EQ(appendRunLog(folder, "two"), "");
    EXPECT_EQ(readFile(folder + "/backup.log"), "one\ntwo\n");
    writeFile(scratch / "file", "");
    EXPECT_NE(appendRunLog(scratch / "file/logs", "three"), "");
    EXPECT_NE(appendRunLog("relative/logs", "three"), "");
    EXPECT_NE(appendRunLog("", "three"), "");
}

TEST_F(BackupToolRun, EveryRunWritesItsLineAndAFailedOneSaysWhy)
{
    const std::regex stamp(R"(^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d .*)");
    const struct {
        const char *name, *tool;
        QStringList arguments;
        const char *store, *shellFolders;
        int status;
        const char *says;
    } rows[] = {
        {"ok", "regbak.exe", {}, nullptr, nullptr, 0, " regbak.exe ok: 1 archive"},
        {"store not absolute", "regbak.exe", {}, "relative/store", nullptr, 1,
         ": error 76: Path not found: the backup store is not an absolute folder: \"relative/store\""},
        {"listed folder missing", "shellbak.exe", {}, nullptr, "[ShellBackup]\nFolder1=/nowhere/at/all\n", 1,
         " shellbak.exe failed (exit 1): /nowhere/at/all: error 76"},
        {"wrong argument", "shellbak.exe", {QStringLiteral("--at")}, nullptr, nullptr, 2,
         " shellbak.exe failed (exit 2): usage: shellbak.exe [--at HH:MM]"},
    };
    FileSystemObject().deleteFolder(inst.logs(), true);
    std::size_t count = 0;
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EnvironmentScope env;
        if (row.store)
            env.set("ZVENVSBAK", row.store);
        writeFile(inst.root() + "/xdg/config/zorvane/environment.ini",
                  std::string("[Environment]\n") + (row.shellFolders ? row.shellFolders : ""));
        EXPECT_EQ(run(row.tool, row.arguments), row.status) << errors;
        const std::vector<std::string> logged = textLines(logText());
        ASSERT_EQ(logged.size(), ++count) << "the log folder is made when missing, and one line is added per run";
        EXPECT_TRUE(std::regex_match(logged.back(), stamp)) << logged.back();
        EXPECT_NE(logged.back().find(row.says), std::string::npos) << logged.back();
        if (row.status != 0)
            EXPECT_NE(logged.back().find(std::string(row.tool) + " failed (exit " + std::to_string(row.status) + ")"),
                      std::string::npos) << logged.back();
    }
}

TEST_F(BackupToolRun, AFailedRunIsSentToTheDesktopAndAGoodOneIsNot)
{
    if (!onPath("dbus-daemon"))
        GTEST_SKIP() << "dbus-daemon is not installed";
    PrivateSessionBus bus;
    ASSERT_FALSE(bus.address().empty());
    NotificationServer server(bus.address());
    ASSERT_TRUE(server.started());
    inst.env.set("DBUS_SESSION_BUS_ADDRESS", bus.address());

    EXPECT_EQ(run("regbak.exe"), 0) << errors;
    EXPECT_TRUE(server.notices.empty());

    writeFile(inst.root() + "/xdg/config/zorvane/environment.ini", "[ShellBackup]\nFolder1=/nowhere/at/all\n");
    EXPECT_EQ(run("shellbak.exe"), 1) << errors;
    ASSERT_EQ(server.notices.size(), 1u);
    const NotificationServer::Notice &notice = server.notices[0];
    EXPECT_EQ(notice.app, "Zorvane Backup");
    EXPECT_EQ(notice.summary, "Backup failed: shellbak.exe");
    EXPECT_TRUE(notice.body.startsWith("/nowhere/at/all: error 76")) << notice.body.toStdString();
    EXPECT_TRUE(notice.body.endsWith(QString::fromStdString("See " + logFile()))) << notice.body.toStdString();
    EXPECT_EQ(notice.hints.value("urgency").toInt(), 2);
    EXPECT_EQ(textLines(logText()).size(), 2u);
}

// A listed folder named with terminal controls and markup: standard error and the log get it
// escaped, the desktop notification gets it as text, not markup.
TEST_F(BackupToolRun, ANameWithControlsOrMarkupIsToldAsText)
{
    const std::string folder = "/nowhere/<b>x</b> & \x1b[31mred\xe2\x80\xae";
    const std::string escaped = "/nowhere/<b>x</b> & \\033[31mred\\u202e";
    writeFile(inst.root() + "/xdg/config/zorvane/environment.ini", "[ShellBackup]\nFolder1=" + folder + "\n");
    std::unique_ptr<PrivateSessionBus> bus;
    std::unique_ptr<NotificationServer> server;
    if (onPath("dbus-daemon")) {
        bus = std::make_unique<PrivateSessionBus>();
        server = std::make_unique<NotificationServer>(bus->address());
        ASSERT_TRUE(server->started());
        inst.env.set("DBUS_SESSION_BUS_ADDRESS", bus->address());
    }
    EXPECT_EQ(run("shellbak.exe"), 1) << errors;
    EXPECT_EQ(errors.rfind("shellbak.exe: " + escaped + ": error 76", 0), 0u) << errors;
    EXPECT_NE(logText().find(escaped + ": error 76"), std::string::npos) << logText();
    for (const std::string &text : {errors, logText()}) {
        EXPECT_EQ(text.find('\x1b'), std::string::npos);
        EXPECT_EQ(text.find("\xe2\x80\xae"), std::string::npos);
    }
    if (!server)
        GTEST_SKIP() << "dbus-daemon is not installed; the notification is not checked";
    ASSERT_EQ(server->notices.size(), 1u);
    EXPECT_TRUE(server->notices[0].body.startsWith(QString::fromStdString("/nowhere/&lt;b&gt;x&lt;/b&gt; &amp; \x1b[31mred")))
        << server->notices[0].body.toStdString();
}

TEST_F(BackupToolRun, ABusThatIsMissingOrNeverAnswersNeitherFailsNorHoldsTheRun)
{
    std::vector<std::pair<std::string, std::string>> buses = {
        {"no bus at that address", "unix:path=" + inst.root() + "/no-bus-here"},
        {"not an address", "nonsense"},
    };
    std::unique_ptr<PrivateSessionBus> silentBus;
    std::unique_ptr<NotificationServer> silent;
    if (onPath("dbus-daemon")) {
        silentBus = std::make_unique<PrivateSessionBus>();
        silent = std::make_unique<NotificationServer>(silentBus->address(), true);
        ASSERT_TRUE(silent->started());
        buses.emplace_back("a server that never answers", silentBus->address());
    }
    writeFile(inst.root() + "/xdg/config/zorvane/environment.ini", "[ShellBackup]\nFolder1=/nowhere/at/all\n");
    std::size_t count = 0;
    for (const auto &[name, address] : buses) {
        SCOPED_TRACE(name);
        inst.env.set("DBUS_SESSION_BUS_ADDRESS", address);
        EXPECT_EQ(run("shellbak.exe"), 1) << errors;
        EXPECT_EQ(textLines(logText()).size(), ++count);
    }
    if (silent)
        EXPECT_EQ(silent->notices.size(), 1u);
}

} // namespace

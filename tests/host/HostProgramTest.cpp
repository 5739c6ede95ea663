// The host program's contract, run as a separate process on a scratch installation.
#include "commands/CommandTable.h"
#include "support/ScopedLanguage.h"
#include "support/TestSupport.h"
#include "support/TsFile.h"

#include <QProcess>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

#include <sstream>

using namespace rnx10;
using namespace rnx10::test;

namespace {

struct HostRun {
    int exitCode = -1;
    std::string out, err;
};

struct HostProgram : ::testing::Test {
    Installation inst;
    std::string log = inst.root() + "/started.log";

    void SetUp() override
    {
        makeFolders(inst.root() + "/runtime");
        ::chmod((inst.root() + "/runtime").c_str(), 0700);
        inst.env.set("XDG_RUNTIME_DIR", inst.root() + "/runtime");
        inst.env.set("QT_QPA_PLATFORM", "offscreen");
    }
    HostRun run(const QStringList &arguments, const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
    {
        const char *dir = std::getenv("RNX10_BINARY_DIR");
        QProcess host;
        host.setProcessEnvironment(environment);
        host.start(QString::fromUtf8(dir ? dir : ".") + "/bin/rnx10", arguments);
        EXPECT_TRUE(host.waitForFinished(60000)) << host.errorString().toStdString();
        // A fatal Qt error would end the host by a signal: that must never happen.
        EXPECT_EQ(host.exitStatus(), QProcess::NormalExit) << arguments.join(' ').toStdString();
        return {host.exitCode(), host.readAllStandardOutput().toStdString(), host.readAllStandardError().toStdString()};
    }
    // The environment of a shell over ssh or of a cron job: no display of any kind.
    static QProcessEnvironment withoutDisplay()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        return environment;
    }
    // A stand-in under 1.0/Sys that appends its name to the log.
    void installStandIn(const std::string &name)
    {
        const std::string path = inst.programRoot() + "/1.0/Sys/" + name;
        writeFile(path, "#!/bin/sh\necho " + name + " >> '" + log + "'\n");
        ::chmod(path.c_str(), 0755);
    }
    // Waits (serving events) until the log holds every name; the started programs are detached.
    bool logHolds(const std::vector<std::string> &names)
    {
        for (int i = 0; i < 1000; ++i) {
            const std::string text = readFile(log);
            bool all = true;
            for (const std::string &n : names)
                all = all && text.find(n + "\n") != std::string::npos;
            if (all)
                return true;
            QTest::qWait(10);
        }
        return false;
    }
};

TEST_F(HostProgram, KeysThatDoNothingExitZero)
{
    // The component ignores a key it does not know; the host only warns.
    for (const char *key : {"RNXRUN_NOSUCHKEY", "rnxrun_qrs", "RNXRUN_QRS ", ""}) {
        SCOPED_TRACE(key);
        const HostRun r = run({"ExecuteSupportCenter", QString::fromUtf8(key)});
        EXPECT_EQ(r.err, "rnx10: warning: \"" + std::string(key) + "\" is not a command key, nothing was done (see rnx10 --help)\n");
    }
    // tvqs.exe is missing, so a key wrongly taken for "RNXRUN_QRS" would fail with 53.
    for (const char *key : {"RNXRUN_LIVECHAT", "RNXRUN_SYSINFO", "RNXRUN_WEBSUPPORT", "RNXRUN_SENDMAIL", "RNXRUN_MW",
                            "RNXRUN_MIGSYS", "RNXRUN_LUMORA", "RNXRUN_VESKA", "RNXRUN_NOSUCHKEY", "rnxrun_qrs",
                            "RNXRUN_QRS ", ""}) {
        SCOPED_TRACE(key);
        const HostRun r = run({"ExecuteSupportCenter", QString::fromUtf8(key)});
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_EQ(r.err.find("rnx10: error"), std::string::npos) << r.err;
    }
}

TEST_F(HostProgram, MissingProgramsFailWithError53ButKevDoesNot)
{
    for (const QStringList &args : {QStringList{"ExecuteSupportCenter", "RNXRUN_QRS"}, QStringList{"RunSupportCenter"}}) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const HostRun r = run(args);
        EXPECT_EQ(r.exitCode, 1);
        const std::string program = args.size() == 1 ? "/1.0/sys/rnx.exe" : "/1.0/Sys/tvqs.exe";
        EXPECT_EQ(r.err, "rnx10: error 53: File not found: " + inst.programRoot() + program + "\n");
    }
    EXPECT_EQ(run({"ExecuteSupportCenter", "RNXRUN_KEV"}).exitCode, 0);
}

// A value or key holding terminal controls, bidirectional overrides or stray bytes: standard error
// shows them escaped, each message on its one line.
TEST_F(HostProgram, ControlCharactersInValuesAndKeysReachTheTerminalEscaped)
{
    const std::string root = inst.root() + "/a\x1b]0;owned\x07\r\n\xe2\x80\xae\xc2\x9b\x9b\x7f";
    const std::string shown = inst.root() + "/a\\033]0;owned\\007\\r\\n\\u202e\\u009b\\x9b\\177";
    inst.env.set("ZVENVSYS32MASK", root);
    const HostRun missing = run({"ExecuteSupportCenter", "RNXRUN_QRS"});
    EXPECT_EQ(missing.err, "rnx10: error 53: File not found: " + shown + "/1.0/Sys/tvqs.exe\n");

    const HostRun unknown = run({"ExecuteSupportCenter", QString::fromUtf8("KEY\x1b[2J\xe2\x81\xa6")});
    EXPECT_EQ(unknown.err, "rnx10: warning: \"KEY\\033[2J\\u2066\" is not a command key, nothing was done (see rnx10 --help)\n");

    const HostRun debugger = run({"ExecuteSupportCenter", "RNXRUN_DEBUGGER"}, withoutDisplay());
    EXPECT_NE(debugger.err.find("ZVENVSYS32MASK=" + shown + "\t["), std::string::npos) << debugger.err;
    EXPECT_EQ(debugger.err.find('\x1b'), std::string::npos);
}

TEST_F(HostProgram, QrsStartsItsProgram)
{
    installStandIn("tvqs.exe");
    EXPECT_EQ(run({"ExecuteSupportCenter", "RNXRUN_QRS"}).exitCode, 0);
    EXPECT_TRUE(logHolds({"tvqs.exe"}));
}

TEST_F(HostProgram, RunBackupComputerRecordsTheTimeAndStartsBothTools)
{
    installStandIn("regbak.exe");
    installStandIn("shellbak.exe");
    const HostRun r = run({"RunBackupComputer"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(readFile(inst.logs() + "/bar.ini").find("[Backup]\nLastTaken="), std::string::npos);
    EXPECT_TRUE(logHolds({"regbak.exe", "shellbak.exe"})) << readFile(log);
}

TEST_F(HostProgram, RunBackupComputerWithoutLogFolderFailsWith76)
{
    inst.env.set("ZVENVSLOGS", inst.root() + "/no-logs");
    const HostRun r = run({"RunBackupComputer"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.rfind("rnx10: error 76: Path not found", 0), 0u) << r.err;
    EXPECT_FALSE(exists(inst.root() + "/no-logs"));
}

TEST_F(HostProgram, HelpListsEveryCommandKeyOnALineOfItsOwnAndExitsZero)
{
    const HostRun r = run({"--help"}, withoutDisplay());
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out.rfind("usage: rnx10 RunSupportCenter\n", 0), 0u) << r.out;
    std::vector<std::string> listed;
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("  RNXRUN_", 0) == 0)
            listed.push_back(line.substr(2, line.find(' ', 2) - 2));
    std::vector<std::string> table;
    for (const Command &command : commandTable())
        table.push_back(command.key);
    EXPECT_EQ(listed, table);
    EXPECT_EQ(table.size(), 20u);
}

// --help in the user's language: the translation's words around the same method and key names, a
// key on each line as in English; a language without a translation gets the English help.
TEST_F(HostProgram, HelpIsInTheUsersLanguage)
{
    const auto helpIn = [&](const char *locale) {
        const ScopedLanguage language(locale);
        return run({"--help"}, withoutDisplay());
    };
    const auto keyLines = [](const std::string &text) {
        std::size_t n = 0;
        std::istringstream lines(text);
        for (std::string line; std::getline(lines, line);)
            n += line.rfind("  RNXRUN_", 0) == 0;
        return n;
    };
    const HostRun english = helpIn("C");
    EXPECT_EQ(english.out.rfind("usage: rnx10 RunSupportCenter\n", 0), 0u) << english.out;
    EXPECT_EQ(helpIn("fr_FR.UTF-8").out, english.out);
    for (const char *language : {"de", "he"}) {
        const std::string usage = translationOf(language, "rnx10",
                                                "usage: rnx10 RunSupportCenter\n"
                                                "       rnx10 ExecuteSupportCenter KEY [A [B [C [D]]]]\n"
                                                "       rnx10 RunBackupComputer\n"
                                                "       rnx10 --help\n");
        ASSERT_FALSE(usage.empty()) << language;
        const HostRun translated = helpIn((std::string(language) + (language[0] == 'd' ? "_DE.UTF-8" : "_IL.UTF-8")).c_str());
        EXPECT_EQ(translated.exitCode, 0);
        EXPECT_EQ(translated.out.rfind(usage, 0), 0u) << translated.out;
        EXPECT_EQ(keyLines(translated.out), 20u) << translated.out;
    }
}

TEST_F(HostProgram, WithoutADisplayWindowlessCallsWork)
{
    for (const char *name : {"rnx.exe", "tvqs.exe", "kev.exe", "regbak.exe", "shellbak.exe"})
        installStandIn(name);
    ::symlink("Sys", (inst.programRoot() + "/1.0/sys").c_str());
    // xdg-open as the first on PATH, so the shell opens are seen and no real browser starts.
    makeFolders(inst.root() + "/bin");
    writeFile(inst.root() + "/bin/xdg-open", "#!/bin/sh\necho \"xdg-open $1\" >> '" + log + "'\n");
    ::chmod((inst.root() + "/bin/xdg-open").c_str(), 0755);
    QProcessEnvironment environment = withoutDisplay();
    environment.insert("PATH", QString::fromStdString(inst.root() + "/bin:/usr/bin:/bin"));

    const QStringList calls[] = {
        {"ExecuteSupportCenter", "RNXRUN_LIVECHAT"}, {"ExecuteSupportCenter", "RNXRUN_QRS"},
        {"ExecuteSupportCenter", "RNXRUN_KEV"},      {"ExecuteSupportCenter", "RNXRUN_DOWNLOADS"},
        {"ExecuteSupportCenter", "RNXRUN_PELORIN"},  {"ExecuteSupportCenter", "RNXRUN_DEBUGGER"},
        {"RunSupportCenter"},                        {"RunBackupComputer"},
    };
    for (const QStringList &call : calls) {
        SCOPED_TRACE(call.join(' ').toStdString());
        const HostRun r = run(call, environment);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.err.find("rnx10: error"), std::string::npos) << r.err;
    }
    EXPECT_TRUE(logHolds({"tvqs.exe", "kev.exe", "xdg-open https://zorvane.example/downloads",
                          "xdg-open " + inst.programRoot() + "/1.0/Sys", "rnx.exe", "regbak.exe", "shellbak.exe"}))
        << readFile(log);
    EXPECT_NE(readFile(inst.logs() + "/bar.ini").find("[Backup]\nLastTaken="), std::string::npos);
    // The debugger's listing has nowhere to show but standard error.
    const HostRun debugger = run({"ExecuteSupportCenter", "RNXRUN_DEBUGGER"}, environment);
    EXPECT_NE(debugger.err.find("ZVENVSBAK=" + inst.store() + "\t[environment]\n"), std::string::npos) << debugger.err;
}

// The placeholders of the suite's tools started where no window can show: a closed ssh -X
// session's display, or none at all. They say what they are and end; Qt must never abort them.
TEST_F(HostProgram, PlaceholdersWithoutAReachableDisplaySayWhatTheyAreAndEnd)
{
    for (const char *name : {"kev.exe", "tvqs.exe"})
        for (const std::string display : {":4711", ""}) {
            SCOPED_TRACE(std::string(name) + " with DISPLAY \"" + display + "\"");
            QProcessEnvironment environment = withoutDisplay();
            if (!display.empty())
                environment.insert("DISPLAY", QString::fromStdString(display));
            QProcess placeholder;
            placeholder.setProcessEnvironment(environment);
            placeholder.start(QString::fromStdString(builtProgramRoot() + "/1.0/Sys/" + name), {});
            ASSERT_TRUE(placeholder.waitForFinished(30000));
            const std::string out = placeholder.readAllStandardOutput().toStdString();
            const std::string err = placeholder.readAllStandardError().toStdString();
            EXPECT_EQ(placeholder.exitStatus(), QProcess::NormalExit) << err;
            EXPECT_EQ(placeholder.exitCode(), 0) << err;
            EXPECT_NE(out.find("this is its placeholder"), std::string::npos) << out;
            const std::string why = display.empty() ? "DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM are not set"
                                                    : "cannot connect to the X display \":4711\"";
            EXPECT_NE(err.find(why), std::string::npos) << err;
        }
}

TEST_F(HostProgram, WithoutADisplayAWindowedKeyExitsOneWithError406)
{
    struct Row {
        const char *key;
        const char *display;  // DISPLAY, or nullptr for none
        const char *platform; // QT_QPA_PLATFORM, or nullptr for none
        const char *why;
    };
    const Row rows[] = {
        {"RNXRUN_BR", nullptr, nullptr, "DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM are not set"},
        {"RNXRUN_UPDATES", nullptr, nullptr, "DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM are not set"},
        {"RNXRUN_REGISTRY", nullptr, nullptr, "DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM are not set"},
        {"RNXRUN_MAINTAIN", nullptr, nullptr, "DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM are not set"},
        {"RNXRUN_LICENSES", nullptr, nullptr, "DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM are not set"},
        // A display that is named but cannot be reached (a closed ssh -X session).
        {"RNXRUN_LICENSES", ":4711", nullptr, "cannot connect to the X display \":4711\""},
        {"RNXRUN_BR", nullptr, "xcb", "QT_QPA_PLATFORM is \"xcb\" and no display can be reached through it"},
        // A platform whose plugin is not installed: Qt would abort the process.
        {"RNXRUN_BR", nullptr, "bogus", "QT_QPA_PLATFORM is \"bogus\" and no display can be reached through it"},
        {"RNXRUN_LICENSES", nullptr, "bogus:size=1x1;nosuch", "QT_QPA_PLATFORM is \"bogus:size=1x1;nosuch\" and no display can be reached through it"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.key) + " DISPLAY=" + (row.display ? row.display : "") +
                     " QT_QPA_PLATFORM=" + (row.platform ? row.platform : ""));
        QProcessEnvironment environment = withoutDisplay();
        if (row.display)
            environment.insert("DISPLAY", row.display);
        if (row.platform)
            environment.insert("QT_QPA_PLATFORM", row.platform);
        const HostRun r = run({"ExecuteSupportCenter", row.key}, environment);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.err, "rnx10: error 406: No display is available: " + std::string(row.why) + "\n");
    }
}

} // namespace

namespace {

TEST(SupportCenterProgram, RendersItsWindowOffscreen)
{
    Installation inst;
    inst.env.set("QT_QPA_PLATFORM", "offscreen");
    const std::string png = inst.root() + "/window.png";
    QProcess program;
    program.start(QString::fromStdString(builtProgramRoot() + "/1.0/sys/rnx.exe"),
                  {"--screenshot", QString::fromStdString(png)});
    ASSERT_TRUE(program.waitForFinished(60000)) << program.errorString().toStdString();
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    EXPECT_EQ(readFile(png).substr(0, 4), "\x89PNG");
}

} // namespace

// The host program's contract, run as a separate process on a scratch installation.
#include "support/TestSupport.h"

#include <QProcess>
#include <QTest>

#include <sys/stat.h>

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
    HostRun run(const QStringList &arguments)
    {
        const char *dir = std::getenv("RNX10_BINARY_DIR");
        QProcess host;
        host.start(QString::fromUtf8(dir ? dir : ".") + "/bin/rnx10", arguments);
        EXPECT_TRUE(host.waitForFinished(60000)) << host.errorString().toStdString();
        return {host.exitCode(), host.readAllStandardOutput().toStdString(), host.readAllStandardError().toStdString()};
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
        EXPECT_EQ(r.err, "rnx10: error 53: File not found\n");
    }
    EXPECT_EQ(run({"ExecuteSupportCenter", "RNXRUN_KEV"}).exitCode, 0);
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

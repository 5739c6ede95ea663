#include "automation/AutomationError.h"
#include "component/clsRNX10A.h"
#include "support/TestSupport.h"

using namespace rnx10;
using namespace rnx10::test;

namespace {

TEST(Component, DoNothingAndUnknownKeysSucceedAndStartNothing)
{
    Installation inst;
    inst.installProgram("Sys/tvqs.exe");
    clsRNX10A rnx;
    std::int32_t hwnd = 0;
    for (const char *key : {"RNXRUN_LIVECHAT", "RNXRUN_SYSINFO", "RNXRUN_WEBSUPPORT", "RNXRUN_SENDMAIL", "RNXRUN_MW",
                            "RNXRUN_MIGSYS", "RNXRUN_LUMORA", "RNXRUN_VESKA", "rnxrun_qrs", "RNXRUN_QRS ", "", "NOPE"}) {
        SCOPED_TRACE(key);
        EXPECT_TRUE(rnx.ExecuteSupportCenter(hwnd, key).isEmpty());
    }
    EXPECT_TRUE(rnx.ExecuteSupportCenter(hwnd).isEmpty());
    EXPECT_TRUE(inst.starter->started.empty());
    EXPECT_TRUE(inst.shell->opened.empty());
    EXPECT_TRUE(inst.prompt->boxes.empty());
}

TEST(Component, RunSupportCenterStartsConsoleOrRaisesFileNotFound)
{
    Installation inst;
    clsRNX10A rnx;
    EXPECT_EQ(expectError(53, [&] { rnx.RunSupportCenter(); }).description(),
              "File not found: " + inst.programRoot() + "/1.0/sys/rnx.exe");
    inst.installProgram("sys/rnx.exe");
    EXPECT_TRUE(rnx.RunSupportCenter().isEmpty());
    ASSERT_EQ(inst.starter->started.size(), 1u);
    EXPECT_EQ(inst.starter->started[0].first, inst.programRoot() + "/1.0/sys/rnx.exe");
    EXPECT_EQ(inst.starter->started[0].second, 1);
}

TEST(Component, RunBackupComputerRecordsTimeAndStartsBothTools)
{
    Installation inst;
    clsRNX10A rnx;
    rnx.RunBackupComputer();
    const std::string bar = readFile(inst.logs() + "/bar.ini");
    EXPECT_NE(bar.find("[Backup]"), std::string::npos);
    EXPECT_NE(bar.find("LastTaken"), std::string::npos);
    ASSERT_EQ(inst.shell->opened.size(), 2u);
    EXPECT_EQ(inst.shell->opened[0].first, inst.programRoot() + "/1.0/Sys/regbak.exe");
    EXPECT_EQ(inst.shell->opened[1].first, inst.programRoot() + "/1.0/Sys/shellbak.exe");
}

} // namespace

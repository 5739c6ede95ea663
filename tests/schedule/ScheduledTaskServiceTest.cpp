#include "FakeTools.h"

#include "automation/AutomationError.h"
#include "services/ScheduledTaskService.h"
#include "support/TestSupport.h"

using namespace rnx10;
using namespace rnx10::test;

namespace {

class ScheduledTasks : public ::testing::Test {
protected:
    void SetUp() override
    {
        env.set("TZ", "UTC");
        ::tzset();
        tools->crontab = savedOutput("crontab-list-user.txt");
    }
    void TearDown() override
    {
        env.unset("TZ");
        ::tzset();
    }

    // Both jobs as the schedule dialog registers them.
    void scheduleBoth(const std::string &days, const std::string &time, bool every)
    {
        std::int32_t jobId = 0;
        for (const char *name : {"regbak", "shellbak"}) {
            std::string program = "/opt/my tools/1.0/Sys/" + std::string(name) + ".exe";
            std::string jobName = name;
            service.AddNetScheduleJob("", days, time, program, jobId, jobName == "shellbak", every, jobName);
        }
    }

    EnvironmentScope env;
    std::shared_ptr<FakeTools> tools = std::make_shared<FakeTools>();
    ScheduledTaskService service{tools, [] { return std::time_t{1796871600}; }}; // Thu 2026-12-10 03:00 UTC
};

TEST_F(ScheduledTasks, EveryPutsBothJobsIntoTheCrontabAfterTheUsersLines)
{
    scheduleBoth("M,T,W,TH,F,S,SU", "22:00", true);
    EXPECT_EQ(*tools->crontab, savedOutput("crontab-list-user.txt") +
                                   "0 22 * * * '/opt/my tools/1.0/Sys/regbak.exe' # rnx10 job: regbak\n"
                                   "0 22 * * * '/opt/my tools/1.0/Sys/shellbak.exe' # rnx10 job: shellbak\n");
    scheduleBoth("M,W", "06:30", true); // again: replaced, not added
    EXPECT_EQ(*tools->crontab, savedOutput("crontab-list-user.txt") +
                                   "30 6 * * 1,3 '/opt/my tools/1.0/Sys/regbak.exe' # rnx10 job: regbak\n"
                                   "30 6 * * 1,3 '/opt/my tools/1.0/Sys/shellbak.exe' # rnx10 job: shellbak\n");
    EXPECT_TRUE(tools->atJobs.empty());
}

TEST_F(ScheduledTasks, AUserWithoutACrontabGetsOne)
{
    tools->crontab.reset();
    scheduleBoth("F", "22:00", true);
    ASSERT_TRUE(tools->crontab);
    EXPECT_EQ(*tools->crontab, "0 22 * * 5 '/opt/my tools/1.0/Sys/regbak.exe' # rnx10 job: regbak\n"
                               "0 22 * * 5 '/opt/my tools/1.0/Sys/shellbak.exe' # rnx10 job: shellbak\n");
}

TEST_F(ScheduledTasks, NextQueuesOneAtJobPerToolAtTheNextGivenDay)
{
    const std::string before = *tools->crontab;
    scheduleBoth("M,F", "22:00", false);
    ASSERT_EQ(tools->atJobs.size(), 2u);
    for (const auto &[job, name] : {std::pair{tools->atJobs[0], "regbak"}, std::pair{tools->atJobs[1], "shellbak"}}) {
        EXPECT_EQ(job.arguments, (std::vector<std::string>{"-t", "202612112200"})); // Friday
        EXPECT_EQ(job.input, "'/opt/my tools/1.0/Sys/" + std::string(name) + ".exe'\n");
    }
    EXPECT_EQ(*tools->crontab, before);
}

TEST_F(ScheduledTasks, BadDaysOrTimesLeaveTheCrontabAndTheQueueAlone)
{
    const std::string before = *tools->crontab;
    const std::pair<const char *, const char *> bad[] = {
        {"X,Y", "22:00"}, {"M;T", "22:00"}, {"M,T\n* * * * * rm -rf ~", "22:00"},
        {"M,T", "24:00"}, {"M,T", "7"},     {"M,T", "22:60"},
        {"M,T", "ab:cd"},
    };
    for (bool every : {true, false}) {
        for (const auto &[days, time] : bad) {
            SCOPED_TRACE(std::string(days) + " | " + time + (every ? " every" : " next"));
            expectError(5, [&] { scheduleBoth(days, time, every); });
        }
    }
    EXPECT_EQ(*tools->crontab, before);
    EXPECT_TRUE(tools->atJobs.empty());
    for (const auto &call : tools->calls)
        EXPECT_NE(call.arguments, std::vector<std::string>{"-"}) << "the crontab was rewritten";
}

TEST_F(ScheduledTasks, ARefusedInstallIsAnErrorWithTheToolsMessage)
{
    tools->refuseInstall = true;
    const AutomationError e = expectError(75, [&] { scheduleBoth("M", "22:00", true); });
    EXPECT_NE(e.description().find("errors in crontab file"), std::string::npos) << e.description();
}

} // namespace

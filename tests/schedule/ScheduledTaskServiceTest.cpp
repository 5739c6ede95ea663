#include "FakeTools.h"

#include "automation/AutomationError.h"
#include "services/ScheduledTaskService.h"
#include "services/ThinningLines.h"
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
        EXPECT_EQ(job.input, "'/opt/my tools/1.0/Sys/" + std::string(name) + ".exe' # rnx10 job: " + name + "\n");
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

ScheduledJob repeating(const char *name, const char *when)
{
    return {name, true, when, "/opt/my tools/1.0/Sys/" + std::string(name) + ".exe", 0};
}

ScheduledJob once(const char *name, int number)
{
    return {name, false, "Fri Dec 11 22:00:00 2026", "/opt/my tools/1.0/Sys/" + std::string(name) + ".exe", number};
}

TEST_F(ScheduledTasks, ScheduledJobsAreTheMarkedCrontabLinesThenTheUsersMarkedAtJobs)
{
    EXPECT_TRUE(service.scheduledJobs().empty());
    tools->queueAt("'/opt/x' # rnx10 job: regbak\n", "someone-else"); // root's atq lists every user's jobs
    tools->queueAt("tar czf /tmp/photos.tgz /home/u/Photos\n", testUser());
    scheduleBoth("M,W", "06:30", true);
    scheduleBoth("F", "22:00", false);
    EXPECT_EQ(service.scheduledJobs(), (std::vector<ScheduledJob>{repeating("regbak", "every M,W at 06:30"),
                                                                  repeating("shellbak", "every M,W at 06:30"),
                                                                  once("regbak", 3), once("shellbak", 4)}));
    scheduleBoth("M,T,W,TH,F,S,SU", "22:00", true); // scheduling again shows the new state
    EXPECT_EQ(service.scheduledJobs()[0], repeating("regbak", "every M,T,W,TH,F,S,SU at 22:00"));
}

TEST_F(ScheduledTasks, RemovingAJobTakesOffItsLineOrItsAtJobAndNothingElse)
{
    scheduleBoth("M,W", "06:30", true);
    scheduleBoth("F", "22:00", false);
    const int foreign = tools->queueAt("tar czf /tmp/photos.tgz /home/u/Photos\n", testUser());

    service.removeJob(repeating("regbak", "every M,W at 06:30"));
    EXPECT_EQ(*tools->crontab, savedOutput("crontab-list-user.txt") +
                                   "30 6 * * 1,3 '/opt/my tools/1.0/Sys/shellbak.exe' # rnx10 job: shellbak\n");
    service.removeJob(once("shellbak", 2));
    EXPECT_EQ(service.scheduledJobs(), (std::vector<ScheduledJob>{repeating("shellbak", "every M,W at 06:30"),
                                                                  once("regbak", 1)}));
    // Gone already, or the number now belongs to a job that is not this one: nothing happens.
    service.removeJob(once("shellbak", 2));
    service.removeJob(once("regbak", foreign));
    service.removeJob(repeating("regbak", ""));
    EXPECT_EQ(tools->atQueue.size(), 2u);
    EXPECT_EQ(tools->atQueue.count(foreign), 1u);
    expectError(5, [&] { service.removeJob(repeating("reg\nbak", "")); });
}

TEST_F(ScheduledTasks, WithoutAtTheCrontabsJobsAreStillListed)
{
    scheduleBoth("M,W", "06:30", true);
    tools->atMissing = true;
    EXPECT_EQ(service.scheduledJobs(), (std::vector<ScheduledJob>{repeating("regbak", "every M,W at 06:30"),
                                                                  repeating("shellbak", "every M,W at 06:30")}));
}

TEST_F(ScheduledTasks, ToolsThatFailWhileReadingOrRemovingAreErrorsWithTheirMessages)
{
    tools->atqFailure = "Cannot change to /var/spool/cron/atjobs: Permission denied\n";
    AutomationError e = expectError(75, [&] { service.scheduledJobs(); });
    EXPECT_NE(e.description().find("Permission denied"), std::string::npos) << e.description();

    *tools->crontab += "0 22 * * * '/opt/regbak.exe' # rnx10 job: regbak\n";
    tools->refuseInstall = true;
    e = expectError(75, [&] { service.removeJob(repeating("regbak", "")); });
    EXPECT_NE(e.description().find("errors in crontab file"), std::string::npos) << e.description();
}

} // namespace

namespace {

// The thinning runs half an hour after each backup, past midnight on the next days, and its lines
// follow every change and removal of the backup lines.
TEST(ThinningLines, HalfAnHourAfterEachBackupTheNextDayPastMidnight)
{
    const auto line = [](const char *fields, const char *name) {
        return std::string(fields) + " '/opt/p/" + name + ".exe'" + cron::jobMarker(name) + "\n";
    };
    const struct {
        std::string backups;
        std::vector<std::string> thinning;
    } cases[] = {
        {line("0 22 * * 1,3", "regbak"), {"30 22 * * 1,3"}},
        {line("50 23 * * 1,3", "regbak"), {"20 0 * * 2,4"}},
        {line("50 23 * * 6", "regbak"), {"20 0 * * 0"}}, // Saturday night: Sunday
        {line("0 22 * * 1", "regbak") + line("0 22 * * 5", "shellbak"), {"30 22 * * 1,5"}},
        {line("0 8 * * 1", "regbak") + line("50 23 * * 1", "shellbak"), {"30 8 * * 1", "20 0 * * 2"}},
        {line("@reboot", "regbak"), {}},
    };
    for (const auto &c : cases) {
        std::vector<std::string> fields;
        for (const JobSchedule &schedule : thinningSchedules(cron::markedJobs(c.backups)))
            fields.push_back(schedule.cronFields());
        std::sort(fields.begin(), fields.end(), std::greater<>()); // "30 8" before "20 0"
        std::vector<std::string> expected = c.thinning;
        std::sort(expected.begin(), expected.end(), std::greater<>());
        EXPECT_EQ(fields, expected) << c.backups;
    }
}

TEST_F(ScheduledTasks, TheThinningLinesFollowEveryChangeAndRemovalOfTheBackups)
{
    const std::string thin = " '/opt/z/bin/rnx10-store' thin --within 2" + cron::jobMarker("thin");
    tools->crontab = "MAILTO=ann\n0 22 * * 1 '/opt/p/regbak.exe'" + cron::jobMarker("regbak") + "\n30 22 * * 1" + thin + "\n";
    scheduleBoth("M,F", "23:50", true);
    EXPECT_EQ(*tools->crontab, "MAILTO=ann\n50 23 * * 1,5 '/opt/my tools/1.0/Sys/regbak.exe'" + cron::jobMarker("regbak") +
                                   "\n20 0 * * 2,6" + thin + "\n50 23 * * 1,5 '/opt/my tools/1.0/Sys/shellbak.exe'" +
                                   cron::jobMarker("shellbak") + "\n");
    for (const char *name : {"regbak", "shellbak"}) {
        ScheduledJob job;
        job.name = name;
        job.every = true;
        service.removeJob(job);
    }
    EXPECT_EQ(*tools->crontab, "MAILTO=ann\n"); // no backup left to thin after
}

} // namespace

// The schedule's health and catching up: next and last due times from cron fields, the newest
// archive from folder names, the warnings, and which missed jobs a catch-up runs.
#include "FakeTools.h"
#include "FixedClock.h"

#include "health/CatchUp.h"
#include "services/CronTimes.h"
#include "store/NewestArchive.h"
#include "services/RunningProcesses.h"
#include "health/ScheduleHealth.h"
#include "support/TestSupport.h"
#include "support/Unprivileged.h"

#include <sys/stat.h>
#include <unistd.h>

using namespace rnx10;
using namespace rnx10::test;

namespace {

std::string shown(const std::optional<std::time_t> &when) { return when ? minuteText(*when) : "none"; }

} // namespace

TEST(CronTimes, NextAndLastDueTimesOfCronFields)
{
    useUtc();
    // 2026-12-11 is a Friday.
    const struct {
        const char *fields, *now, *next, *last;
    } cases[] = {
        {"0 22 * * *", "2026-12-11 03:00", "2026-12-11 22:00", "2026-12-10 22:00"},
        {"0 22 * * *", "2026-12-11 22:00", "2026-12-12 22:00", "2026-12-11 22:00"}, // due this minute
        {"30 3 * * 1,3", "2026-12-11 03:00", "2026-12-14 03:30", "2026-12-09 03:30"},
        {"*/15 * * * *", "2026-12-11 03:07", "2026-12-11 03:15", "2026-12-11 03:00"},
        {"5-50/20 9-17 * * MON-fri", "2026-12-11 17:55", "2026-12-14 09:05", "2026-12-11 17:45"},
        {"@daily", "2026-12-11 03:00", "2026-12-12 00:00", "2026-12-11 00:00"},
        {"@weekly", "2026-12-11 03:00", "2026-12-13 00:00", "2026-12-06 00:00"},
        {"0 22 * * sun", "2026-12-11 03:00", "2026-12-13 22:00", "2026-12-06 22:00"},
        {"0 22 * * 7", "2026-12-11 03:00", "2026-12-13 22:00", "2026-12-06 22:00"},
        // Both day fields restricted: either one matching is enough (the 15th, or a Friday).
        {"0 0 1,15 * 5", "2026-12-11 03:00", "2026-12-15 00:00", "2026-12-11 00:00"},
        // One starts with "*": both must match (an odd day that is a Friday).
        {"0 0 */2 * 5", "2026-12-11 03:00", "2026-12-25 00:00", "2026-12-11 00:00"},
        {"0 12 29 feb *", "2026-12-11 03:00", "2028-02-29 12:00", "2024-02-29 12:00"},
        {"59 23 31 12 *", "2026-12-31 23:59", "2027-12-31 23:59", "2026-12-31 23:59"},
    };
    for (const auto &c : cases) {
        const std::optional<CronTimes> times = CronTimes::parse(c.fields);
        ASSERT_TRUE(times) << c.fields;
        EXPECT_EQ(shown(times->nextAfter(minute(c.now))), c.next) << c.fields << " at " << c.now;
        EXPECT_EQ(shown(times->lastAtOrBefore(minute(c.now))), c.last) << c.fields << " at " << c.now;
    }
    for (const char *refused : {"@reboot", "", "0 22 * *", "60 * * * *", "0 24 * * *", "0 0 0 * *", "0 0 * 13 *",
                                "0 0 * * 8", "*/0 * * * *", "5-1 * * * *", "0 0 * * mo", "1,,2 * * * *", "@often"})
        EXPECT_FALSE(CronTimes::parse(refused)) << refused;
}

// Where the clock skips an hour (02:00 becomes 03:00), cron runs a job of fixed hour and minute at
// once when the clock has jumped, and a job with "*" there only at its next real time.
TEST(CronTimes, FollowCronAcrossTheSpringClockChange)
{
    ::setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1); // 2027-03-28 02:00 is 03:00
    ::tzset();
    const struct {
        const char *fields, *now, *next, *last;
    } cases[] = {
        {"30 2 * * *", "2027-03-28 01:00", "2027-03-28 03:00", "2027-03-27 02:30"},
        {"30 2 * * *", "2027-03-28 04:00", "2027-03-29 02:30", "2027-03-28 03:00"},
        {"0 2 * * *", "2027-03-27 03:00", "2027-03-28 03:00", "2027-03-27 02:00"},
        {"30 * * * *", "2027-03-28 01:45", "2027-03-28 03:30", "2027-03-28 01:30"},
    };
    for (const auto &c : cases) {
        const std::optional<CronTimes> times = CronTimes::parse(c.fields);
        ASSERT_TRUE(times) << c.fields;
        EXPECT_EQ(shown(times->nextAfter(minute(c.now))), c.next) << c.fields << " at " << c.now;
        EXPECT_EQ(shown(times->lastAtOrBefore(minute(c.now))), c.last) << c.fields << " at " << c.now;
    }
    EXPECT_FALSE(parseMinuteText("2027-03-28 02:30")); // no such local time
    EXPECT_TRUE(parseMinuteText("2027-03-28 03:00"));
    useUtc();
}

// One reading of the store's folders: canonical numbers making a real date, no links, and only
// hour folders that hold an archive; a run dated after now is told apart.
TEST(NewestArchive, IsTheNewestHourFolderHoldingAnArchiveInTheStoresOwnNames)
{
    useUtc();
    ScratchDir scratch;
    const std::string computer = scratch / "PC01";
    const std::time_t now = minute("2026-12-11 03:00");
    EXPECT_FALSE(newestArchiveTime(computer, now)); // no folder yet
    for (const char *hour : {"2026/9/30/23-59", "2026/12/8/09-30", "2025/12/31/23-00"})
        makeRun(computer + "/" + hour);
    makeFolders(computer + "/2026/12/8/21-05");              // a failed backup's empty hour folder
    makeFolders(computer + "/2026/12/8/22-00/half/copy");    // an archive without its details.ini
    makeRun(computer + "/2026/012/1/10-00");                 // no month as the store names it
    makeRun(computer + "/2026/11/031/10-00");                // no day likewise
    makeRun(computer + "/2026/2/31/10-00");                  // no such date
    makeRun(computer + "/2026/13/1/10-00");                  // no month
    makeRun(computer + "/2027x/1/1/10-00");                  // no year
    makeRun(scratch / "elsewhere/10-00");
    ASSERT_EQ(::symlink((scratch / "elsewhere").c_str(), (computer + "/2026/12/10").c_str()), 0); // a link
    makeFolders(computer + "/2026/12/9/notes");               // no hour name
    writeFile(computer + "/2026/12/11", "a file");            // no folder
    EXPECT_EQ(shown(newestArchiveTime(computer, now)), "2026-12-08 09:30");
    EXPECT_FALSE(newestArchiveTimes(computer, now).future);

    makeRun(computer + "/2027/1/1/10-00"); // made with a wrong clock
    const NewestArchiveTimes times = newestArchiveTimes(computer, now);
    EXPECT_EQ(shown(times.counted), "2026-12-08 09:30");
    EXPECT_EQ(shown(times.future), "2027-01-01 10:00");
}

// An hour folder an ordinary account cannot read is passed over alone: the day's other runs count.
TEST(NewestArchive, AnUnreadableHourFolderHidesNoOtherRunOfItsDay)
{
    useUtc();
    const std::optional<int> status = asOrdinaryAccount([](const std::string &home) {
        const std::string computer = home + "/PC01";
        makeRun(computer + "/2026/12/1/09-00");
        makeRun(computer + "/2026/12/8/09-30");
        makeRun(computer + "/2026/12/8/21-00");
        ::chmod((computer + "/2026/12/8/21-00").c_str(), 0);
        return shown(newestArchiveTime(computer, minute("2026-12-11 03:00"))) == "2026-12-08 09:30" ? 0 : 1;
    });
    if (!status)
        GTEST_SKIP() << "cannot run as an ordinary account here";
    EXPECT_EQ(*status, 0) << "the newest readable run of that day was not found";
}

TEST(LastRunFailure, IsTheNewestOutcomeLineWhenItIsAFailure)
{
    useUtc();
    const std::string ok = "2026-12-10 22:00:03 regbak.exe ok: 1 archive\n";
    const std::string failed = "2026-12-10 22:00:04 shellbak.exe failed (exit 1): /home/ann: error 70: No space left\n";
    const std::string catchUp = "2026-12-11 03:00:00 rnx10-store catch-up: regbak, due 2026-12-09 22:00: x\n";
    const struct {
        std::string log;
        std::string expected;
    } cases[] = {
        {"", "none"},
        {ok, "none"},
        {failed, "2026-12-10 22:00 /home/ann: error 70: No space left"},
        {failed + ok, "none"},
        {ok + failed + catchUp, "2026-12-10 22:00 /home/ann: error 70: No space left"},
        {ok + "2026-12-10 23:00:00 regbak.exe failed (exit 2)\n", "2026-12-10 23:00 failed (exit 2)"},
        {ok + "garbage line\n\n", "none"},
    };
    for (const auto &c : cases) {
        const std::optional<RunFailure> failure = lastRunFailureIn(c.log);
        EXPECT_EQ(failure ? minuteText(failure->when) + " " + failure->reason : "none", c.expected) << c.log;
    }
    ScratchDir scratch;
    EXPECT_FALSE(lastRunFailure(scratch / "missing.log"));
    ASSERT_EQ(::mkfifo((scratch / "fifo.log").c_str(), 0600), 0);
    EXPECT_FALSE(lastRunFailure(scratch / "fifo.log")); // never blocks on a FIFO
    writeFile(scratch / "big.log", std::string(200000, 'x') + "\n" + failed);
    EXPECT_TRUE(lastRunFailure(scratch / "big.log"));
}

TEST(RunningProcesses, AreReadFromProc)
{
    ScratchDir proc;
    for (const char *folder : {"1", "42", "self", "77"})
        makeFolders(proc / folder);
    writeFile(proc / "1/comm", "cron\n");
    writeFile(proc / "42/comm", "atd\n");
    writeFile(proc / "self/comm", "not a pid\n"); // 77 ended meanwhile: no comm
    std::vector<std::string> names = runningProcessNames(proc.path());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"atd", "cron"}));
    // And the real /proc holds this test program.
    const std::vector<std::string> real = runningProcessNames();
    const std::string self = readFile("/proc/self/comm");
    EXPECT_NE(std::find(real.begin(), real.end(), self.substr(0, self.find('\n'))), real.end());
}

TEST(ScheduleHealth, JobsFromSavedCrontabAndAtOutputsWithTheirNextRuns)
{
    useUtc();
    const auto tools = std::make_shared<FakeTools>();
    tools->crontab = savedOutput("crontab-list-scheduled.txt");
    tools->queueAt(savedOutput("at-show-job.txt").substr(savedOutput("at-show-job.txt").rfind("'/opt")), testUser());
    tools->queueAt("echo done # rnx10 job: made by hand,not ours\n", testUser());
    const std::time_t now = minute("2026-12-11 03:00");
    ScheduledTaskService service(tools, [now] { return now; });

    HealthInputs inputs = currentHealthInputs(service, "/nonexistent/PC01");
    inputs.newestArchive = minute("2026-12-08 21:05");
    inputs.processNames = {"systemd", "cron", "atd"};
    const ScheduleHealth health = scheduleHealth(inputs);

    std::vector<std::string> jobs;
    for (const JobHealth &job : health.jobs)
        jobs.push_back(job.name + (job.every ? " cron " : " at ") + shown(job.next) + " " + job.program);
    EXPECT_EQ(jobs, (std::vector<std::string>{
                        "regbak cron 2026-12-11 22:00 /opt/z/1.0/Sys/regbak.exe",
                        "shellbak cron 2026-12-14 03:30 /opt/z/1.0/Sys/shellbak.exe",
                        "thin cron 2026-12-11 23:15 /opt/z/bin/rnx10-store",
                        "at-boot cron none /opt/z/1.0/Sys/regbak.exe",
                        "regbak at 2026-12-11 22:00 /opt/my tools/1.0/Sys/regbak.exe",
                    }));
    ASSERT_TRUE(health.nextBackup());
    EXPECT_EQ(health.nextBackup()->name, "regbak");
    EXPECT_EQ(shown(health.lastBackup), "2026-12-08 21:05");
    EXPECT_TRUE(health.warnings.empty()) << health.warnings.front();
}

TEST(ScheduleHealth, Warnings)
{
    useUtc();
    const std::time_t now = minute("2026-12-11 03:00");
    const ScheduledJob atJob{"regbak", false, "Fri Dec 11 22:00:00 2026", "/opt/z/regbak.exe", 4};
    const std::string cronDown = "The cron daemon is not running: scheduled backups do not start.";
    const std::string atdDown = "atd is not running: the backups queued with at do not start.";
    const std::string noCrontab = "crontab is not installed (not found on PATH): backups cannot repeat.";
    const std::string noAt = "at is not installed (not found on PATH): backups cannot be queued once.";
    const struct {
        const char *what;
        ScheduleState schedule;
        std::optional<std::time_t> newest;
        std::vector<std::string> processes;
        std::vector<std::string> warnings;
    } cases[] = {
        {"all well", {{}, {atJob}}, now - 86400, {"crond", "atd"}, {}},
        {"cron stopped", {}, now - 86400, {"atd"}, {cronDown}},
        {"atd stopped with an at job", {{}, {atJob}}, now - 86400, {"cron"}, {atdDown}},
        {"atd stopped, no at job", {}, now - 86400, {"cron"}, {}},
        {"tools missing", {{}, {}, true, true}, now - 86400, {"cron"}, {noCrontab, noAt}},
        {"seven days is no warning yet", {}, now - 7 * 86400, {"cron"}, {}},
        {"no backup for eight days", {}, now - 8 * 86400 - 60, {"cron"}, {"No backup for 8 days."}},
        {"no backup at all", {}, std::nullopt, {"cron"}, {"There is no backup of this computer yet."}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(scheduleHealth({c.schedule, c.newest, c.processes, now}).warnings, c.warnings) << c.what;
}

TEST(ScheduleHealth, TellsOfAFailedRunAFutureArchiveAnOverdueQueuedJobAndAnUnreadableSchedule)
{
    useUtc();
    const std::time_t now = minute("2026-12-11 03:00");
    HealthInputs in;
    in.now = now;
    in.processNames = {"cron", "atd"};
    in.schedule.atJobs = {{"regbak", false, "Thu Dec 10 22:00:00 2026", "/opt/z/regbak.exe", 4}};
    in.newestArchive = minute("2026-12-09 22:00");
    in.futureArchive = minute("2027-01-01 10:00");
    in.lastFailure = RunFailure{minute("2026-12-10 22:00") + 4, "/home/ann: error 70: No space left"};
    in.schedule.unreadable = {AutomationError(75, "Path/File access error: crontab: cannot open /var/spool")};
    const ScheduleHealth health = scheduleHealth(in);
    EXPECT_EQ(health.warnings, (std::vector<std::string>{
                                   "The schedule cannot be read: Path/File access error: crontab: cannot open /var/spool",
                                   "The queued job regbak was due at 2026-12-10 22:00 and has not run.",
                                   "A backup is dated in the future, 2027-01-01 10:00: the clock was wrong when it was made.",
                                   "the last backup failed at 2026-12-10 22:00: /home/ann: error 70: No space left",
                               }));
    ASSERT_EQ(health.jobs.size(), 1u);
    EXPECT_TRUE(health.jobs[0].overdue);
    EXPECT_FALSE(health.nextBackup()); // an overdue job is not the next backup
    EXPECT_EQ(shown(health.lastBackup), "2026-12-09 22:00");

    // An archive made after the failure: the failure is old news.
    in.newestArchive = minute("2026-12-10 22:30");
    in.futureArchive.reset();
    in.schedule.unreadable.clear();
    in.schedule.atJobs.clear();
    EXPECT_TRUE(scheduleHealth(in).warnings.empty()) << scheduleHealth(in).warnings.front();
}

TEST(CatchUp, RunsOnlyAMissedDueTimeAfterTheNewestArchiveAndTheLastCatchUp)
{
    useUtc();
    const std::time_t now = minute("2026-12-11 03:00");
    const std::vector<cron::CronJob> daily = {{"regbak", "0 22 * * *", "'/opt/z/regbak.exe'"}};
    const std::vector<cron::CronJob> early = {{"early", "50 2 * * *", "x"}};
    const std::vector<cron::CronJob> graceEnd = {{"early", "44 2 * * *", "x"}};
    const struct {
        const char *what;
        std::vector<cron::CronJob> lines;
        std::optional<std::time_t> newest, lastCatchUp;
        std::vector<std::string> due;
    } cases[] = {
        {"missed yesterday", daily, minute("2026-12-09 22:01"), std::nullopt, {"2026-12-10 22:00"}},
        {"no archive at all", daily, std::nullopt, std::nullopt, {"2026-12-10 22:00"}},
        {"the archive is newer than the due time", daily, minute("2026-12-10 22:00"), std::nullopt, {}},
        {"caught up already", daily, minute("2026-12-09 22:01"), minute("2026-12-11 02:00"), {}},
        {"due within the last 15 minutes", early, minute("2026-12-01 00:00"), std::nullopt, {}},
        {"due 16 minutes ago", graceEnd, minute("2026-12-01 00:00"), std::nullopt, {"2026-12-11 02:44"}},
        {"no due time", {{"boot", "@reboot", "x"}}, std::nullopt, std::nullopt, {}},
        // Thinning runs half an hour after the backup and makes no archive: it is never missed.
        {"the thinning line after a good night", {daily[0], {"thin", "30 22 * * *", "'/opt/z/rnx10-store' thin"}},
         minute("2026-12-10 22:00"), std::nullopt, {}},
    };
    for (const auto &c : cases) {
        std::vector<std::string> due;
        for (const MissedJob &job : missedJobs(c.lines, c.newest, c.lastCatchUp, now))
            due.push_back(minuteText(job.due));
        EXPECT_EQ(due, c.due) << c.what;
    }
}

TEST(CatchUp, RecordsItsTimeBeforeRunningSoASecondCallRunsNothing)
{
    useUtc();
    Installation inst;
    const auto tools = std::make_shared<FakeTools>();
    tools->crontab = "0 22 * * * '/opt/z/regbak.exe' # rnx10 job: regbak\n";
    const std::time_t now = minute("2026-12-11 03:00");
    ScheduledTaskService service(tools, [now] { return now; });
    FakeTools shell;
    const std::string record = inst.root() + "/state/zorvane/catch-up";
    std::vector<std::string> told;
    const auto starting = [&](const MissedJob &job) {
        told.push_back(job.line.jobName);
        EXPECT_EQ(readCatchUpRecord(record), now); // recorded before the run starts
    };

    const CatchUpOutcome first = catchUpMissedJobs(service, shell, inst.store() + "/PC01", record, starting);
    ASSERT_EQ(first.started.size(), 1u);
    EXPECT_TRUE(first.scheduled);
    EXPECT_EQ(told, std::vector<std::string>{"regbak"});
    ASSERT_EQ(shell.calls.size(), 1u);
    EXPECT_EQ(shell.calls[0].program, "/bin/sh");
    EXPECT_EQ(shell.calls[0].arguments, (std::vector<std::string>{"-c", "'/opt/z/regbak.exe'"}));

    EXPECT_TRUE(catchUpMissedJobs(service, shell, inst.store() + "/PC01", record, starting).started.empty());
    EXPECT_EQ(shell.calls.size(), 1u);

    writeFile(record, "not a time\n"); // a damaged record counts as none
    EXPECT_FALSE(readCatchUpRecord(record));
}

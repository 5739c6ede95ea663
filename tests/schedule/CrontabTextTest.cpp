#include "FakeTools.h"

#include "automation/AutomationError.h"
#include "services/AtJob.h"
#include "services/CrontabText.h"
#include "services/JobSchedule.h"
#include "support/TestSupport.h"

using namespace rnx10;
using namespace rnx10::test;

namespace {

const std::string kRegbak = "0 22 * * * '/opt/z/1.0/Sys/regbak.exe' # rnx10 job: regbak";

TEST(CrontabText, ListingOfANewUserIsEmptyAndOtherFailuresRaise)
{
    const std::string user = savedOutput("crontab-list-user.txt");
    EXPECT_EQ(cron::crontabFromListing({0, user, ""}), user);
    EXPECT_EQ(cron::crontabFromListing({1, "", savedOutput("crontab-list-none.txt")}), "");
    const AutomationError e = expectError(75, [] {
        cron::crontabFromListing({1, "", "crontab: you (bob) are not allowed to use this program (cron.allow)\n"});
    });
    EXPECT_NE(e.description().find("not allowed"), std::string::npos);
}

TEST(CrontabText, JobLineIsAddedOnceAndReplacedWhileEveryOtherLineStaysByteForByte)
{
    const std::string user = savedOutput("crontab-list-user.txt");
    const std::string once = cron::withJob(user, "regbak", kRegbak);
    EXPECT_EQ(once, user + kRegbak + "\n");

    const std::string shell = "0 22 * * * '/opt/z/1.0/Sys/shellbak.exe' # rnx10 job: shellbak";
    const std::string both = cron::withJob(once, "shellbak", shell);
    const std::string moved = "30 6 * * 1 '/opt/z/1.0/Sys/regbak.exe' # rnx10 job: regbak";
    EXPECT_EQ(cron::withJob(both, "regbak", moved), user + moved + "\n" + shell + "\n");

    // A job named like the tail of another name is a different job.
    const std::string similar = "0 1 * * * '/x' # rnx10 job: xregbak";
    EXPECT_EQ(cron::withJob(similar + "\n", "regbak", kRegbak), similar + "\n" + kRegbak + "\n");
    // The last line of a crontab written without a final line break keeps its bytes.
    EXPECT_EQ(cron::withJob("MAILTO=x", "regbak", kRegbak), "MAILTO=x\n" + kRegbak + "\n");
    EXPECT_EQ(cron::withJob("", "regbak", kRegbak), kRegbak + "\n");
}

TEST(CrontabText, ProgramIsOneQuotedWordAndNothingCanStartALineOrACommand)
{
    EXPECT_EQ(cron::quotedCommand("/opt/my tools/regbak.exe"), "'/opt/my tools/regbak.exe'");
    EXPECT_EQ(cron::quotedCommand("/opt/it's; rm -rf ~/x"), "'/opt/it'\\''s; rm -rf ~/x'");
    for (const char *bad : {"", "/opt/a\n* * * * * rm -rf ~", "/opt/a\rb", "/opt/100%/regbak.exe"}) {
        SCOPED_TRACE(bad);
        EXPECT_THROW(cron::quotedCommand(bad), AutomationError);
    }
    for (const char *bad : {"", "reg bak", "regbak\n* * * * * rm -rf ~", "a/b"})
        EXPECT_THROW(cron::checkJobName(bad), AutomationError) << bad;
    EXPECT_EQ(cron::jobLine(JobSchedule::parse("M,T,W,TH,F,S,SU", "22:00"), "/opt/z/1.0/Sys/regbak.exe", "regbak"),
              kRegbak);
}

TEST(AtJob, ArgumentsScriptAndTheQueuedJobNumber)
{
    std::tm when{};
    when.tm_year = 2026 - 1900, when.tm_mon = 11, when.tm_mday = 10, when.tm_hour = 22, when.tm_min = 5;
    EXPECT_EQ(atjob::arguments(when), (std::vector<std::string>{"-t", "202612102205"}));
    EXPECT_EQ(atjob::script("/opt/my tools/regbak.exe", "regbak"), "'/opt/my tools/regbak.exe' # rnx10 job: regbak\n");
    EXPECT_THROW(atjob::script("/opt/regbak.exe", "reg\nbak"), AutomationError);
    EXPECT_EQ(atjob::jobNumber(0, savedOutput("at-queued.txt")), 1);
    const AutomationError e = expectError(75, [] { atjob::jobNumber(1, savedOutput("at-refused.txt")); });
    EXPECT_NE(e.description().find("invalid date format"), std::string::npos);
    EXPECT_THROW(atjob::jobNumber(0, ""), AutomationError);
}

TEST(CrontabText, MarkedLinesAreReadBackAndRemovedWhileEveryOtherLineStays)
{
    const std::string user = savedOutput("crontab-list-user.txt");
    const std::string shell = "30 6 * * 1,3 '/opt/it'\\''s/shellbak.exe' # rnx10 job: shellbak";
    const std::string crontab = user + kRegbak + "\n" +
                                "# 0 1 * * * '/old/regbak.exe' # rnx10 job: regbak\n" // commented out: no job
                                "@daily\t/usr/bin/tool  # rnx10 job: by-hand\n" +
                                "0 1 * * * /x # rnx10 job: not a name\n" + shell + "\n";
    const std::vector<cron::CronJob> jobs = cron::markedJobs(crontab);
    ASSERT_EQ(jobs.size(), 3u);
    EXPECT_EQ((std::vector<std::string>{jobs[0].jobName, jobs[0].fields, jobs[0].command}),
              (std::vector<std::string>{"regbak", "0 22 * * *", "'/opt/z/1.0/Sys/regbak.exe'"}));
    EXPECT_EQ((std::vector<std::string>{jobs[1].jobName, jobs[1].fields, jobs[1].command}),
              (std::vector<std::string>{"by-hand", "@daily", "/usr/bin/tool"}));
    EXPECT_EQ((std::vector<std::string>{jobs[2].jobName, jobs[2].fields}),
              (std::vector<std::string>{"shellbak", "30 6 * * 1,3"}));
    EXPECT_EQ(cron::unquotedCommand(jobs[2].command), "/opt/it's/shellbak.exe");
    EXPECT_TRUE(cron::markedJobs(user).empty());

    EXPECT_EQ(cron::withoutJob(crontab, "shellbak"), user + kRegbak + "\n" +
                                                         "# 0 1 * * * '/old/regbak.exe' # rnx10 job: regbak\n"
                                                         "@daily\t/usr/bin/tool  # rnx10 job: by-hand\n"
                                                         "0 1 * * * /x # rnx10 job: not a name\n");
    // The commented-out line names the job too and goes with it.
    EXPECT_EQ(cron::withoutJob(cron::withoutJob(crontab, "shellbak"), "regbak"),
              user + "@daily\t/usr/bin/tool  # rnx10 job: by-hand\n0 1 * * * /x # rnx10 job: not a name\n");
    EXPECT_EQ(cron::withoutJob(user, "regbak"), user);
}

TEST(CrontabText, LinesEndingInCarriageReturnAreTheJobsLinesToo)
{
    // Saved from a crontab written with CR LF line ends.
    const std::string crlf = savedOutput("crontab-list-crlf.txt");
    const std::vector<cron::CronJob> jobs = cron::markedJobs(crlf);
    ASSERT_EQ(jobs.size(), 2u);
    EXPECT_EQ(jobs[0].jobName, "regbak");

    const std::string head = "# edited elsewhere\r\nMAILTO=\"\"\r\n";
    const std::string shellLine = "0 22 * * * '/opt/z/1.0/Sys/shellbak.exe' # rnx10 job: shellbak\r\n";
    EXPECT_EQ(cron::withoutJob(crlf, "regbak"), head + shellLine);
    EXPECT_EQ(cron::withoutJob(cron::withoutJob(crlf, "regbak"), "shellbak"), head);
    // Scheduling again replaces the line instead of adding a second one.
    EXPECT_EQ(cron::withJob(crlf, "regbak", kRegbak), head + kRegbak + "\n" + shellLine);
    EXPECT_EQ(cron::markedJobs(cron::withJob(crlf, "regbak", kRegbak)).size(), 2u);
}

TEST(CrontabText, QuotedCommandsComeBackAsTheirPaths)
{
    for (const char *path : {"/opt/my tools/regbak.exe", "/opt/it's/x", "''", "/a'b'c", "/"})
        EXPECT_EQ(cron::unquotedCommand(cron::quotedCommand(path)), path) << path;
    for (const char *other : {"/usr/bin/tool --flag", "'unclosed", "'a'b", ""})
        EXPECT_EQ(cron::unquotedCommand(other), other) << other;
}

TEST(AtJob, QueueListingAndMarkedScriptsFromSavedOutput)
{
    const std::vector<atjob::QueuedJob> jobs = atjob::queuedJobs(savedOutput("atq-listing.txt") + "garbage line\n");
    ASSERT_EQ(jobs.size(), 3u);
    EXPECT_EQ(jobs[0].number, 4);
    EXPECT_EQ(jobs[0].when, "Fri Dec 11 22:00:00 2026");
    EXPECT_EQ(jobs[0].user, "root");
    EXPECT_EQ(jobs[1].queue, "=");
    EXPECT_EQ(jobs[1].user, "bob");
    EXPECT_EQ(jobs[2].number, 12);
    EXPECT_EQ(jobs[2].when, "Mon Jan  4 09:05:00 2027");
    EXPECT_TRUE(atjob::queuedJobs("").empty());

    const auto ours = atjob::markedScript(savedOutput("at-show-job.txt"));
    ASSERT_TRUE(ours);
    EXPECT_EQ(ours->jobName, "regbak");
    EXPECT_EQ(cron::unquotedCommand(ours->command), "/opt/my tools/1.0/Sys/regbak.exe");
    // A marker in the environment or a comment that names no job is not ours.
    EXPECT_FALSE(atjob::markedScript(savedOutput("at-show-other.txt")));
    EXPECT_FALSE(atjob::markedScript(""));
}

} // namespace

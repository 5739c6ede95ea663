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
    EXPECT_EQ(atjob::script("/opt/my tools/regbak.exe"), "'/opt/my tools/regbak.exe'\n");
    EXPECT_EQ(atjob::jobNumber(0, savedOutput("at-queued.txt")), 1);
    const AutomationError e = expectError(75, [] { atjob::jobNumber(1, savedOutput("at-refused.txt")); });
    EXPECT_NE(e.description().find("invalid date format"), std::string::npos);
    EXPECT_THROW(atjob::jobNumber(0, ""), AutomationError);
}

} // namespace

// rnx10-store thin: the paths it prints, the dry run, and what it refuses.
#include "StoreToolRun.h"
#include "platform/FileLock.h"
#include "support/StoreBuilder.h"
#include "support/TestSupport.h"

#include <QProcess>

using namespace rnx10;
using namespace rnx10::test;

namespace {

class ThinCommand : public ::testing::Test {
protected:
    Installation installation;
    StoreBuilder store{installation.store()};
    std::string computer = store.computer();
    // Oldest first; yearly 1 at the fixed clock keeps 2027's newest run only.
    std::vector<std::string> runs = {computer + "/2026/12/31/23-59", computer + "/2027/1/1/00-01",
                                     computer + "/2027/1/1/06-00"};
    std::string other = installation.store() + "/PC02/2026/12/31/23-59";
    std::vector<std::string> rule = {"thin", "--within", "0", "--daily", "0", "--weekly", "0",
                                     "--monthly", "0", "--yearly", "1", "--now", "2027-01-02 12:00"};

    void SetUp() override
    {
        for (const std::string &run : runs)
            makeFolders(makeRun(run) + "/copy");
        makeFolders(other);
    }
    std::vector<std::string> with(std::vector<std::string> args, const std::vector<std::string> &more) const
    {
        args.insert(args.end(), more.begin(), more.end());
        return args;
    }
};

TEST_F(ThinCommand, DryRunPrintsTheRunsOldestFirstAndDeletesNothing)
{
    const StoreToolRun r = runStoreTool(with(rule, {"--dry-run"}));
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, runs[0] + "\n" + runs[1] + "\n");
    for (const std::string &run : runs)
        EXPECT_TRUE(exists(run)) << run;
}

TEST_F(ThinCommand, DeletesWhatItPrintsAndNothingOfOtherComputers)
{
    const StoreToolRun r = runStoreTool(rule);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, runs[0] + "\n" + runs[1] + "\n");
    EXPECT_FALSE(exists(computer + "/2026")); // left empty, so gone
    EXPECT_FALSE(exists(runs[1]));
    EXPECT_TRUE(exists(runs[2] + "/archive/copy"));
    EXPECT_TRUE(exists(other));
}

TEST_F(ThinCommand, RefusesBadRulesAndDeletesNothing)
{
    const struct {
        std::vector<std::string> args;
        int exitCode;
        const char *message;
    } cases[] = {
        {{"thin", "--within", "0", "--daily", "0", "--weekly", "0", "--monthly", "0", "--yearly", "0"}, 1, "error 5:"},
        {{"thin", "--within", "2", "--daily", "7", "--weekly", "5", "--monthly", "12"}, 2, "--yearly is required"},
        {with(rule, {"--daily", "-1"}), 2, "--daily takes a whole number"},
        {with(rule, {"--weekly", "5x"}), 2, "--weekly takes a whole number"},
        {with(rule, {"--now", "2027-01-02"}), 2, "is not a time"},
        {with(rule, {"extra"}), 2, "usage: rnx10-store"},
        {with(rule, {"extra"}), 2, "expected no arguments"},
    };
    for (const auto &c : cases) {
        const StoreToolRun r = runStoreTool(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
    for (const std::string &run : runs)
        EXPECT_TRUE(exists(run)) << run;
}

} // namespace

namespace {

// A second thinning of the same store (the scheduled job while the window thins) waits for the
// first, then plans again from what is left.
TEST_F(ThinCommand, WaitsForAThinningThatIsRunning)
{
    std::optional<FileLock> running = FileLock::hold(computer, FileLock::Wait::No);
    ASSERT_TRUE(running);
    QProcess second;
    QStringList arguments;
    for (const std::string &argument : rule)
        arguments << QString::fromStdString(argument);
    second.start(QString::fromLocal8Bit(std::getenv("RNX10_BINARY_DIR")) + "/bin/rnx10-store", arguments);
    ASSERT_TRUE(second.waitForStarted());
    EXPECT_FALSE(second.waitForFinished(1500)) << "it did not wait";
    EXPECT_TRUE(exists(runs[0]));
    running.reset();
    ASSERT_TRUE(second.waitForFinished(60000));
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    EXPECT_FALSE(exists(runs[0]));
    EXPECT_TRUE(exists(runs[2]));
}

// A failed backup's hour folder is no run: it keeps no year, and goes once a day old.
TEST_F(ThinCommand, AnEmptyHourFolderIsNoRunAndIsRemovedOnceADayOld)
{
    const std::string failed = computer + "/2027/1/1/23-00"; // newer than every run
    makeFolders(failed);
    std::vector<std::string> later = rule;
    later.back() = "2027-01-03 12:00";
    const StoreToolRun r = runStoreTool(later);
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, runs[0] + "\n" + runs[1] + "\n" + failed + "\n");
    EXPECT_TRUE(exists(runs[2])); // the newest real run stays
}

} // namespace

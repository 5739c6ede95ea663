// The thinning rule on two years of runs every six hours, against a computation of its own, and
// the guarded deletion of what it picks.
#include "store/StoreThinning.h"
#include "platform/FileLock.h"
#include "platform/FileSystemObject.h"
#include "platform/walk/WalkProgress.h"
#include "support/TestSupport.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <set>

using namespace rnx10;
using namespace rnx10::test;

namespace {

// 2026-06-01 to 2028-05-31, at 05-30, 11-30, 17-30 and 23-30: ISO week 53 of 2026 (28 Dec to
// 3 Jan), the leap day 2028-02-29 and a run late on every day.
const QDate kFirstDay(2026, 6, 1);
const QDate kLastDay(2028, 5, 31);

std::string hourPath(const std::string &computer, const QDateTime &t)
{
    return computer + "/" + std::to_string(t.date().year()) + "/" + std::to_string(t.date().month()) + "/" +
           std::to_string(t.date().day()) + "/" + t.toString(QStringLiteral("HH-mm")).toStdString();
}

std::map<QDateTime, std::string> buildRuns(const std::string &computer, const QDate &first = kFirstDay,
                                           const QDate &last = kLastDay)
{
    std::map<QDateTime, std::string> runs;
    for (QDate d = first; d <= last; d = d.addDays(1))
        for (int hour : {5, 11, 17, 23}) {
            const QDateTime t(d, QTime(hour, 30));
            runs[t] = hourPath(computer, t);
            makeRun(runs[t]);
        }
    return runs;
}

// ISO week by its Thursday: the week belongs to the year its Thursday falls in.
std::string isoWeek(const QDate &d)
{
    const QDate thursday = d.addDays(4 - d.dayOfWeek());
    return std::to_string(thursday.year()) + "-W" + std::to_string((thursday.dayOfYear() - 1) / 7 + 1);
}

// The rule worked out per period: each period's newest run, periods newest first, the not yet
// kept ones counted until the level's number is reached.
std::set<QDateTime> expectedKept(const std::map<QDateTime, std::string> &runs, const ThinningRule &rule, const QDateTime &now)
{
    std::set<QDateTime> kept;
    for (const auto &[t, path] : runs)
        if (rule.within > 0 && t.secsTo(now) < qint64(rule.within) * 86400)
            kept.insert(t);
    const std::pair<int, std::function<std::string(const QDate &)>> levels[] = {
        {rule.daily, [](const QDate &d) { return d.toString(Qt::ISODate).toStdString(); }},
        {rule.weekly, isoWeek},
        {rule.monthly, [](const QDate &d) { return d.toString(QStringLiteral("yyyy-MM")).toStdString(); }},
        {rule.yearly, [](const QDate &d) { return std::to_string(d.year()); }},
    };
    for (const auto &[count, period] : levels) {
        std::map<std::string, QDateTime> newestOf;
        for (const auto &[t, path] : runs)
            newestOf[period(t.date())] = std::max(newestOf[period(t.date())], t);
        std::set<QDateTime, std::greater<>> newestFirst;
        for (const auto &[name, t] : newestOf)
            newestFirst.insert(t);
        int counted = 0;
        for (const QDateTime &t : newestFirst)
            if (counted < count && kept.insert(t).second)
                ++counted;
    }
    kept.insert(runs.rbegin()->first);
    for (auto run = runs.rbegin(); run != runs.rend(); ++run)
        if (run->first <= now) {
            kept.insert(run->first); // the newest run not dated in the future
            break;
        }
    return kept;
}

// The two years, built once: the rule's cases only read them.
class ThinningRule2Years : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        scratch = new ScratchDir;
        runs = buildRuns(*scratch / "store/PC01");
    }
    static void TearDownTestSuite() { delete scratch; }
    static inline ScratchDir *scratch = nullptr;
    static inline std::map<QDateTime, std::string> runs;
    std::string computer = *scratch / "store/PC01";
};

// Four months from late 2026 to early 2027: the deletions.
class Thinning : public ::testing::Test {
protected:
    ScratchDir scratch;
    std::string computer = scratch / "store/PC01";
    std::map<QDateTime, std::string> runs = buildRuns(computer, QDate(2026, 11, 1), QDate(2027, 2, 28));
};

TEST_F(ThinningRule2Years, PicksWhatThePerPeriodComputationPicks)
{
    const struct {
        ThinningRule rule;
        QDateTime now;
    } cases[] = {
        {{2, 7, 5, 12, 3}, QDateTime(QDate(2028, 6, 1), QTime(9, 0))},
        {{0, 0, 0, 0, 1}, QDateTime(QDate(2028, 6, 1), QTime(9, 0))},
        {{0, 40, 0, 0, 0}, QDateTime(QDate(2028, 6, 1), QTime(9, 0))},
        {{0, 0, 120, 0, 0}, QDateTime(QDate(2028, 6, 1), QTime(9, 0))},
        {{1, 3, 10, 30, 0}, QDateTime(QDate(2028, 3, 1), QTime(0, 15))},
        // In ISO week 53, a minute before and after midnight: later runs are kept as recent.
        {{3, 4, 2, 2, 2}, QDateTime(QDate(2027, 1, 1), QTime(23, 29))},
        {{3, 4, 2, 2, 2}, QDateTime(QDate(2027, 1, 1), QTime(23, 31))},
        {{0, 0, 0, 5, 0}, QDateTime(QDate(2026, 6, 1), QTime(0, 0))},
        // Nothing recent and no period kept: only the newest run stays, by the rule's own guard.
        {{2, 0, 0, 0, 0}, QDateTime(QDate(2028, 7, 1), QTime(9, 0))},
    };
    for (const auto &c : cases) {
        const std::set<QDateTime> kept = expectedKept(runs, c.rule, c.now);
        std::vector<std::string> expected;
        for (const auto &[t, path] : runs)
            if (!kept.count(t))
                expected.push_back(path);
        std::vector<std::string> planned;
        for (const StoreRun &run : planThinning(computer, c.rule, c.now).toDelete)
            planned.push_back(run.path);
        EXPECT_EQ(planned, expected) << c.now.toString().toStdString() << " within " << c.rule.within;
        EXPECT_FALSE(planned.empty());
        EXPECT_EQ(std::count(planned.begin(), planned.end(), runs.rbegin()->second), 0); // the newest run stays
    }
}

TEST_F(Thinning, DeletesThePlannedRunsAndTheLevelsLeftEmptyOnly)
{
    const std::string other = scratch / "store/PC02/2026/11/1/05-30";
    const std::string notARun = computer + "/2026/11/1/notes";
    const std::string oddYear = scratch / "store/PC01/2026a/11/1/05-30";
    for (const std::string &folder : {other, notARun, oddYear})
        makeFolders(folder);
    writeFile(runs.begin()->second + "/archive/data.txt", "old");
    const ThinningRule rule{0, 0, 0, 0, 1};
    const ThinningPlan plan = planThinning(computer, rule, QDateTime(QDate(2027, 3, 1), QTime(9, 0)));
    walk::WalkProgress progress;
    FileSystemObject fso;
    std::vector<std::string> told;
    thinStore(fso, plan, progress, [&](const std::string &path) { told.push_back(path); });

    EXPECT_EQ(told.size(), runs.size() - 1);
    EXPECT_EQ(progress.entries, runs.size() - 1);
    EXPECT_TRUE(exists(runs.rbegin()->second));
    for (const std::string &kept : {other, notARun, oddYear})
        EXPECT_TRUE(exists(kept)) << kept;
    EXPECT_TRUE(exists(computer + "/2026/11/1")); // still holds "notes"
    EXPECT_FALSE(exists(computer + "/2026/11/2"));
    EXPECT_FALSE(exists(computer + "/2026/12"));
    EXPECT_FALSE(exists(computer + "/2027/1"));
    EXPECT_TRUE(exists(computer + "/2027/2/28/23-30"));
}

TEST_F(Thinning, RefusesRulesWithoutAnyNumberOrWithANegativeOne)
{
    for (const ThinningRule &rule : {ThinningRule{0, 0, 0, 0, 0}, ThinningRule{-1, 7, 5, 12, 3}, ThinningRule{2, 7, 5, -12, 3}})
        expectError(5, [&] { planThinning(computer, rule, QDateTime::currentDateTime()); });
    EXPECT_TRUE(exists(runs.begin()->second));
}

TEST_F(Thinning, CancelStopsBetweenRuns)
{
    const ThinningPlan plan = planThinning(computer, {0, 0, 0, 0, 1}, QDateTime(QDate(2027, 3, 1), QTime(9, 0)));
    walk::WalkProgress progress;
    FileSystemObject fso;
    expectError(walk::UserInterrupt, [&] {
        thinStore(fso, plan, progress, [&](const std::string &) { progress.cancel = progress.entries == 3; });
    });
    EXPECT_EQ(progress.entries, 3u);
    EXPECT_FALSE(exists(plan.toDelete[2].path));
    EXPECT_TRUE(exists(plan.toDelete[3].path));
}

// A day folder swapped for a link after the listing: as "Delete Hour", nothing through it is deleted.
TEST_F(Thinning, ALevelSwappedForALinkIsRefused)
{
    const ThinningPlan plan = planThinning(computer, {0, 0, 0, 0, 1}, QDateTime(QDate(2027, 3, 1), QTime(9, 0)));
    const std::string day = computer + "/2026/11/1";
    const std::string elsewhere = scratch / "elsewhere";
    makeFolders(elsewhere + "/05-30/keep");
    ASSERT_EQ(::rename(day.c_str(), (scratch / "moved").c_str()), 0);
    ASSERT_EQ(::symlink(elsewhere.c_str(), day.c_str()), 0);
    walk::WalkProgress progress;
    FileSystemObject fso;
    expectError(70, [&] { thinStore(fso, plan, progress); });
    EXPECT_TRUE(exists(elsewhere + "/05-30/keep"));
    EXPECT_EQ(progress.entries, 0u);
}

} // namespace

namespace {

// A failed backup leaves an hour folder without an archive: it is no run, keeps no day, and goes
// with the thinning once it is a day old (a younger one may be a backup still being written).
TEST_F(Thinning, AFailedBackupsEmptyHourFolderIsNoRunAndGoesOnceADayOld)
{
    const std::string newestReal = runs.rbegin()->second; // 2027-02-28 23:30
    const std::string emptyNewest = computer + "/2027/2/28/23-45";
    const std::string emptyOld = computer + "/2027/2/27/23-45";
    const std::string emptyYoung = computer + "/2027/3/1/08-00";
    for (const std::string &hour : {emptyNewest, emptyOld, emptyYoung})
        makeFolders(hour);
    makeFolders(emptyOld + "/half-written/copy"); // no details.ini: no archive either
    // A details.ini of another kind is still an archive, as the browser lists it: a run, not a leftover.
    const std::string oddDetails = computer + "/2027/2/26/23-45";
    makeFolders(oddDetails + "/odd");
    ASSERT_EQ(::mkfifo((oddDetails + "/odd/details.ini").c_str(), 0600), 0);
    const ThinningPlan plan = planThinning(computer, {0, 1, 0, 0, 0}, QDateTime(QDate(2027, 3, 1), QTime(9, 0)));
    EXPECT_EQ(plan.runCount, runs.size() + 1);
    for (const StoreRun &run : plan.toDelete)
        EXPECT_NE(run.path, newestReal);
    ASSERT_EQ(plan.emptyHours.size(), 1u);
    EXPECT_EQ(plan.emptyHours[0].path, emptyOld);

    walk::WalkProgress progress;
    FileSystemObject fso;
    thinStore(fso, plan, progress);
    EXPECT_EQ(progress.entries, runs.size());
    EXPECT_TRUE(exists(newestReal));
    EXPECT_FALSE(exists(emptyOld));
    EXPECT_TRUE(exists(emptyNewest));
    EXPECT_TRUE(exists(emptyYoung));
}

// A run dated in the future (a wrong clock) is the newest, yet the newest run made before now is
// the last real backup, as status counts it: both stay.
TEST_F(Thinning, AFutureDatedRunDoesNotCostTheNewestRealRun)
{
    const std::string newestReal = runs.rbegin()->second; // 2027-02-28 23:30
    const std::string future = computer + "/2027/6/1/10-00";
    makeRun(future);
    const ThinningPlan plan = planThinning(computer, {0, 1, 0, 0, 0}, QDateTime(QDate(2027, 3, 1), QTime(9, 0)));
    for (const StoreRun &run : plan.toDelete) {
        EXPECT_NE(run.path, newestReal);
        EXPECT_NE(run.path, future);
    }
    EXPECT_EQ(plan.toDelete.size(), runs.size() - 1);
}

// Two thinnings planned at once (the scheduled job and the window) with different rules: the
// second plans again under the lock, so together they never delete what both rules would keep.
TEST_F(Thinning, TwoThinningsPlannedAtOnceDeleteNoMoreThanEachRuleAllows)
{
    const QDateTime now(QDate(2027, 3, 1), QTime(9, 0));
    const ThinningPlan twoMonths = planThinning(computer, {0, 0, 0, 2, 0}, now);
    const ThinningPlan twoDays = planThinning(computer, {0, 2, 0, 0, 0}, now);
    walk::WalkProgress progress;
    FileSystemObject fso;
    thinStore(fso, twoMonths, progress);
    // The second tells and counts only the runs it deletes itself, not those the first took.
    std::vector<std::string> told;
    walk::WalkProgress second;
    thinStore(fso, twoDays, second, [&](const std::string &path) { told.push_back(path); });
    EXPECT_TRUE(exists(computer + "/2027/2/28/23-30"));
    EXPECT_TRUE(exists(computer + "/2027/1/31/23-30")); // the newest of January: two months kept it
    for (const StoreRun &run : twoMonths.toDelete)
        EXPECT_EQ(std::count(told.begin(), told.end(), run.path), 0) << run.path;
    EXPECT_EQ(second.entries, told.size());
}

TEST_F(Thinning, AThinningThatWillNotWaitIsRefusedWhileAnotherRuns)
{
    const ThinningPlan plan = planThinning(computer, {0, 0, 0, 0, 1}, QDateTime(QDate(2027, 3, 1), QTime(9, 0)));
    std::optional<FileLock> running = FileLock::hold(computer, FileLock::Wait::No);
    ASSERT_TRUE(running);
    walk::WalkProgress progress;
    FileSystemObject fso;
    expectError(75, [&] { thinStore(fso, plan, progress, {}, ThinningWait::No); });
    EXPECT_TRUE(exists(plan.toDelete.front().path));
    running.reset();
    thinStore(fso, plan, progress, {}, ThinningWait::No);
    EXPECT_FALSE(exists(plan.toDelete.front().path));
}

} // namespace

namespace {

// Paths are bytes: a store under a folder whose name is not UTF-8 is planned and thinned as any.
TEST(ThinningBytes, AStoreUnderANameThatIsNotUtf8IsThinnedByItsBytes)
{
    ScratchDir scratch;
    const std::string computer = scratch / "st\xff\xfere/PC01";
    const std::map<QDateTime, std::string> runs = buildRuns(computer, QDate(2027, 2, 26), QDate(2027, 2, 28));
    const ThinningPlan plan = planThinning(computer, {0, 0, 0, 0, 1}, QDateTime(QDate(2027, 3, 1), QTime(9, 0)));
    ASSERT_EQ(plan.toDelete.size(), runs.size() - 1);
    walk::WalkProgress progress;
    FileSystemObject fso;
    thinStore(fso, plan, progress);
    EXPECT_EQ(treeListing(computer), (std::set<std::string>{"2027", "2027/2", "2027/2/28", "2027/2/28/23-30",
                                                            "2027/2/28/23-30/archive",
                                                            "2027/2/28/23-30/archive/details.ini = [DETAILS]\nSourceDir=/home/ann/Documents\n"}));
}

} // namespace

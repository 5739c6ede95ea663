#include "store/StoreThinning.h"

#include "automation/AutomationError.h"
#include "store/HeldStoreFolder.h"
#include "platform/FileLock.h"
#include "platform/Paths.h"
#include "platform/Translation.h"
#include "platform/walk/WalkProgress.h"

#include <unistd.h>
#include <fcntl.h>

#include <functional>
#include <set>

namespace rnx10 {

namespace {

// Removes folder when it is empty; a folder that still holds anything, is gone or is a link stays.
void removeIfEmpty(const BrowserFolders &folders, const std::string &folder)
{
    const std::optional<HeldStoreFolder> held = holdStoreFolder(folders, folder);
    if (held)
        ::unlinkat(held->parent.get(), held->name.c_str(), AT_REMOVEDIR); // ENOTEMPTY keeps it
}

// Day, month and year folders of the deleted runs, deepest first.
void removeEmptyLevels(const BrowserFolders &folders, const std::vector<std::string> &deletedRuns)
{
    std::set<std::string, std::greater<>> levels;
    for (const std::string &run : deletedRuns) {
        std::string level = parentPath(run);
        for (int up = 0; up < 3; ++up, level = parentPath(level))
            levels.insert(level);
    }
    // Reverse name order puts every folder before its parent.
    for (const std::string &level : levels)
        removeIfEmpty(folders, level);
}

// planned without the hour folders named in keep, in planned's order.
std::vector<StoreRun> without(const std::vector<StoreRun> &planned, const std::set<std::string> &keep)
{
    std::vector<StoreRun> left;
    for (const StoreRun &run : planned)
        if (!keep.count(run.path))
            left.push_back(run);
    return left;
}

// What the rule picks from the hour folders listed, at now.
void pickFrom(const StoreHours &hours, const ThinningRule &rule, const QDateTime &now, ThinningPlan &plan)
{
    const QDateTime emptySince = QDateTime(now.date(), now.time(), Qt::UTC).addDays(-kEmptyHourGraceDays);
    for (const StoreRun &hour : hours.empty)
        if (hour.time < emptySince)
            plan.emptyHours.push_back(hour);
    const std::vector<StoreRun> &runs = hours.runs;
    plan.runCount = runs.size();
    std::vector<QDateTime> newestFirst;
    for (auto run = runs.rbegin(); run != runs.rend(); ++run)
        newestFirst.push_back(run->time);
    const std::vector<bool> kept = keptRuns(newestFirst, rule, now);
    for (std::size_t i = 0; i < runs.size(); ++i)
        if (!kept[runs.size() - 1 - i])
            plan.toDelete.push_back(runs[i]);
}

// The plan's deletions less what the store as it is now keeps: runs the rule keeps now (another
// thinning ran meanwhile) and hour folders that hold an archive by now. A planned run no longer
// listed at all stays in: gone, it is passed over; swapped for a link, its deletion is refused.
ThinningPlan stillToDelete(const ThinningPlan &plan)
{
    const StoreHours hours = listStoreHours(plan.folders.ComputerFolder);
    ThinningPlan fresh;
    pickFrom(hours, plan.rule, plan.now, fresh);
    std::set<std::string> runsNow, keptNow;
    for (const StoreRun &run : hours.runs)
        runsNow.insert(run.path);
    keptNow = runsNow;
    for (const StoreRun &run : fresh.toDelete)
        keptNow.erase(run.path);
    ThinningPlan left = plan;
    left.toDelete = without(plan.toDelete, keptNow);
    left.emptyHours = without(plan.emptyHours, runsNow);
    return left;
}

// The store's thinning lock: its computer folder itself, so every login that can thin the store
// meets the same lock and nothing is added to the store.
FileLock holdThinningLock(const std::string &computerFolder, ThinningWait wait)
{
    std::optional<FileLock> lock =
        FileLock::hold(computerFolder, wait == ThinningWait::No ? FileLock::Wait::No : FileLock::Wait::UntilFree);
    if (!lock)
        throw err::pathFileAccess(
            fillIn(tx("StoreThinning", "another thinning of %1 is running; try again when it has finished"), {computerFolder}));
    return std::move(*lock);
}

void deleteRuns(FileSystemObject &fso, const BrowserFolders &folders, const std::vector<StoreRun> &runs,
                walk::WalkProgress &progress, const std::function<void(const std::string &)> &deleted,
                std::vector<std::string> &done, bool counted)
{
    for (const StoreRun &run : runs) {
        if (progress.cancel)
            throw walk::interrupted();
        const std::optional<HeldStoreFolder> held = holdStoreFolder(folders, run.path);
        done.push_back(run.path); // its day may be left empty all the same
        if (!held)
            continue; // gone already (another thinning took it): not this one's to tell or count
        {
            // A run is deleted whole: the job's Cancel is not seen inside it.
            walk::WalkProgress apart;
            walk::ScopedProgress scope(&apart);
            deleteHeldFolder(fso, *held, {});
        }
        if (counted)
            ++progress.entries;
        if (deleted)
            deleted(run.path);
    }
}

} // namespace

ListedStore listThinnedStore(const std::string &computerFolder)
{
    ListedStore listed;
    listed.folders.ComputerFolder = computerFolder;
    listed.folders.ComputerIdentity = computerFolderIdentity(computerFolder);
    listed.hours = listStoreHours(computerFolder);
    return listed;
}

ThinningPlan planThinning(const ListedStore &listed, const ThinningRule &rule, const QDateTime &now)
{
    checkThinningRule(rule);
    ThinningPlan plan;
    plan.rule = rule;
    plan.now = now;
    plan.folders = listed.folders;
    pickFrom(listed.hours, rule, now, plan);
    return plan;
}

ThinningPlan planThinning(const std::string &computerFolder, const ThinningRule &rule, const QDateTime &now)
{
    checkThinningRule(rule);
    return planThinning(listThinnedStore(computerFolder), rule, now);
}

void thinStore(FileSystemObject &fso, const ThinningPlan &plan, walk::WalkProgress &progress,
               const std::function<void(const std::string &)> &deleted, ThinningWait wait)
{
    const FileLock lock = holdThinningLock(plan.folders.ComputerFolder, wait);
    const ThinningPlan left = stillToDelete(plan);
    std::vector<std::string> done;
    try {
        deleteRuns(fso, plan.folders, left.toDelete, progress, deleted, done, true);
        // Not runs: the progress counts the runs the window said it would delete.
        deleteRuns(fso, plan.folders, left.emptyHours, progress, deleted, done, false);
    } catch (...) {
        try {
            removeEmptyLevels(plan.folders, done);
        } catch (const AutomationError &) {
            // The first failure is the one to tell; an empty level left behind harms nothing.
        }
        throw;
    }
    removeEmptyLevels(plan.folders, done);
}

} // namespace rnx10

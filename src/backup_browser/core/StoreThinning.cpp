#include "backup_browser/core/StoreThinning.h"

#include "automation/AutomationError.h"
#include "backup_browser/core/HeldStoreFolder.h"
#include "platform/Paths.h"
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

} // namespace

ThinningPlan planThinning(const std::string &computerFolder, const ThinningRule &rule, const QDateTime &now)
{
    checkThinningRule(rule);
    ThinningPlan plan;
    plan.folders.ComputerFolder = computerFolder;
    plan.folders.ComputerIdentity = computerFolderIdentity(computerFolder);
    const std::vector<StoreRun> runs = listStoreRuns(computerFolder);
    plan.runCount = runs.size();
    std::vector<QDateTime> newestFirst;
    for (auto run = runs.rbegin(); run != runs.rend(); ++run)
        newestFirst.push_back(run->time);
    const std::vector<bool> kept = keptRuns(newestFirst, rule, now);
    for (std::size_t i = 0; i < runs.size(); ++i)
        if (!kept[runs.size() - 1 - i])
            plan.toDelete.push_back(runs[i]);
    return plan;
}

void thinStore(FileSystemObject &fso, const ThinningPlan &plan, walk::WalkProgress &progress,
               const std::function<void(const std::string &)> &deleted)
{
    std::vector<std::string> done;
    try {
        for (const StoreRun &run : plan.toDelete) {
            if (progress.cancel)
                throw walk::interrupted();
            const std::optional<HeldStoreFolder> held = holdStoreFolder(plan.folders, run.path);
            if (held) {
                // A run is deleted whole: the job's Cancel is not seen inside it.
                walk::WalkProgress apart;
                walk::ScopedProgress scope(&apart);
                deleteHeldFolder(fso, *held, {});
            }
            done.push_back(run.path);
            ++progress.entries;
            if (deleted)
                deleted(run.path);
        }
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

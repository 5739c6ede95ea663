// Thinning a computer's folder: which runs a rule deletes, and their guarded deletion.
#pragma once

#include "backup_browser/core/BrowserFolders.h"
#include "backup_browser/core/StoreRuns.h"
#include "backup_browser/core/ThinningRule.h"

#include <functional>
#include <string>
#include <vector>

namespace rnx10 {

class FileSystemObject;
namespace walk {
struct WalkProgress;
}

struct ThinningPlan {
    BrowserFolders folders;         // the computer folder listed and its identity
    std::vector<StoreRun> toDelete; // oldest first
    std::size_t runCount = 0;       // every run listed
};

// Lists the runs of computerFolder (names only, nothing inside the hour folders is read) and picks
// those rule does not keep at now. Raises 5 for a rule checkThinningRule refuses, and what
// listStoreRuns raises.
ThinningPlan planThinning(const std::string &computerFolder, const ThinningRule &rule, const QDateTime &now);

// Deletes the plan's runs oldest first as "Delete Hour" does (opened from the computer folder the
// plan listed, never through a link: a level swapped since raises 70 and deletes nothing of that
// run), then removes the day, month and year folders left empty. Cancel (progress.cancel) is
// obeyed between runs, never inside one: error 18 once what was deleted is tidied. progress.entries
// counts the runs deleted; deleted (when given) hears each one's path.
void thinStore(FileSystemObject &fso, const ThinningPlan &plan, walk::WalkProgress &progress,
               const std::function<void(const std::string &)> &deleted = {});

} // namespace rnx10

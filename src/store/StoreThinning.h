// Thinning a computer's folder: which runs a rule deletes, and their guarded deletion.
#pragma once

#include "store/BrowserFolders.h"
#include "store/StoreRuns.h"
#include "store/ThinningRule.h"

#include <functional>
#include <string>
#include <vector>

namespace rnx10 {

class FileSystemObject;
namespace walk {
struct WalkProgress;
}

struct ThinningPlan {
    BrowserFolders folders;           // the computer folder listed and its identity
    std::vector<StoreRun> toDelete;   // oldest first
    std::vector<StoreRun> emptyHours; // hour folders holding no archive, older than a day
    std::size_t runCount = 0;         // every run listed
    ThinningRule rule;                // what the plan was made by, and when
    QDateTime now;
};

// An hour folder without an archive younger than this may be a backup still being written.
inline constexpr int kEmptyHourGraceDays = 1;

// Lists the runs of computerFolder (hour folders that hold an archive: a failed backup's empty
// hour folder is no run and keeps no day) and picks those rule does not keep at now, and the hour
// folders without an archive that are older than kEmptyHourGraceDays. Raises 5 for a rule
// checkThinningRule refuses, and what listStoreHours raises.
ThinningPlan planThinning(const std::string &computerFolder, const ThinningRule &rule, const QDateTime &now);

// A computer folder's hour folders as listed once, for planning again and again as a rule changes
// (the thinning window), without reading the store each time.
struct ListedStore {
    BrowserFolders folders; // the computer folder listed and its identity
    StoreHours hours;
};
// Raises as planThinning does for the folder.
ListedStore listThinnedStore(const std::string &computerFolder);
// The plan from what was listed; raises 5 for a rule checkThinningRule refuses.
ThinningPlan planThinning(const ListedStore &listed, const ThinningRule &rule, const QDateTime &now);

// Whether a second thinning of the same store waits for the one running, or is refused (75).
enum class ThinningWait { UntilFree, No };

// Holds the store's thinning lock (shared by every process, the scheduled job and the window
// alike), plans again and deletes the runs and empty hour folders that both plans pick, oldest
// first, as "Delete Hour" does (opened from the computer folder the plan listed, never through a
// link: a level swapped since raises 70 and deletes nothing of that run); then removes the day,
// month and year folders left empty. So a thinning that ran meanwhile never makes this one delete
// more than its rule picks now. Cancel (progress.cancel) is obeyed between runs, never inside one:
// error 18 once what was deleted is tidied. progress.entries counts the runs deleted; deleted
// (when given) hears each one's path, empty hour folders included.
void thinStore(FileSystemObject &fso, const ThinningPlan &plan, walk::WalkProgress &progress,
               const std::function<void(const std::string &)> &deleted = {},
               ThinningWait wait = ThinningWait::UntilFree);

} // namespace rnx10

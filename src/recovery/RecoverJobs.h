// The recovery operations' long parts, run as window jobs (a worker thread, a progress dialog with
// Cancel once they outlast half a second): comparing an archive with its source folder and
// restoring from the store into another folder.
#pragma once

#include "platform/walk/TreeCompare.h"

#include <string>
#include <vector>

class QWidget;

namespace rnx10 {

struct SkippedEntry {
    std::string path;
    std::string why; // the error's description, in the user's language
};

struct ComparedTrees {
    std::vector<walk::TreeChange> changes; // in name order
    std::vector<SkippedEntry> skipped;     // what could not be read and was passed over
    walk::ChangeCounts counts;
};

// Compares the copy with its source folder, the files' contents too when contents is set; goes
// past what cannot be read. Raises what the comparison raises (18 after Cancel).
ComparedTrees compareWithProgress(QWidget *window, const std::string &copy, const std::string &sourceDir,
                                  bool contents = false);

// The restore question's detailed text for restoring copy over sourceDir: the comparison's counts
// (or why there are none) and where the current folder goes. Never raises.
std::string restoreQuestionDetails(QWidget *window, const std::string &copy, const std::string &sourceDir);

// "Restore To...": asks for a folder with the desktop's folder chooser and restores pathInStore
// (an archive folder, or an entry inside an archive's copy) into it under a free name, then tells
// the path made. Cancel in the chooser does nothing; Cancel of the copy leaves nothing behind.
// Raises what restoreTo raises. For every window that shows a path in the store.
void restoreToChosenFolder(QWidget *window, const std::string &pathInStore);

} // namespace rnx10

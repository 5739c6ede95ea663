// Restoring an archive, or one file or folder of its copy, into another folder, beside what is
// there: nothing existing is replaced.
#pragma once

#include <string>
#include <vector>

namespace rnx10 {

class FileSystemObject;

// What a path in the store restores, and under which names.
struct RestoreToItem {
    std::string from;  // the entry copied: the archive's copy, or the path inside it
    std::string name;  // the name it gets: the last name of SourceDir, or its own
    std::string stamp; // "YYYY-MM-DD HH-MM": the archive's date and hour folder
    bool folder = false; // a file's extension stays last in a taken name; a folder's name has none
};

// pathInStore is an archive folder of this computer's store (the whole archive) or an entry
// inside an archive's copy; links in it are never followed past the store. Raises 5 for any
// other path, and as archiveCopyOf does for the archive.
RestoreToItem restoreToItem(const std::string &pathInStore);

// The n-th name tried for item (0: its name; 1: "NAME (restored STAMP)"; n: that and " n"), for a
// file before its extension: "report (restored STAMP).odt".
std::string restoredName(const RestoreToItem &item, int attempt);

// targetFolder with links resolved, when item may be restored into it. Raises 76 when it is no
// folder, 5 when item's entry there would lie inside the store, the locker or the program's
// folder, or hold one.
std::string checkedTarget(const RestoreToItem &item, const std::string &targetFolder);

// Copies item into target (as checkedTarget gave it), in a staging folder there first, with modes,
// times and links as restore keeps them, then renames it to the first free name without ever
// replacing an entry (moveNoReplace: a read-only folder too, and where the file system lacks
// RENAME_NOREPLACE). Staging folders of killed restores in target are removed first. Returns the
// path made. A Cancel of the thread's
// progress while copying removes the staging folder and raises 18. Uses the file system only, so
// it may run on a worker.
// Sockets and devices in a folder are passed over; with skipped given, it receives their paths.
std::string copyToTarget(FileSystemObject &fso, const RestoreToItem &item, const std::string &target,
                         std::vector<std::string> *skipped = nullptr);

// restoreToItem, checkedTarget and copyToTarget in one: restores pathInStore into targetFolder and
// returns the path made.
std::string restoreTo(FileSystemObject &fso, const std::string &pathInStore, const std::string &targetFolder,
                      std::vector<std::string> *skipped = nullptr);

} // namespace rnx10

// The operations behind the maintenance dialog: emptying the log and temporary folders and
// opening the log folder. Every location is looked up afresh at each call.
#pragma once

#include "maintenance/core/FolderCleanup.h"

#include <string>
#include <vector>

namespace rnx10 {

// Deletes the log folder ("ZVENVSLOGS") with its contents through fs and creates it again, empty.
// Never raises: a step that fails is skipped. A log folder that is, holds or lies inside the
// store, the locker or the program root is left alone.
void ClearLogFiles(FileSystemObject &fs);

// Resets the suite temporary folder ("ZVENVSTMP") like the log folder, then empties the user
// temporary folder (process "TEMP") and the "Temporary Internet Files" folder beside it, and
// deletes the sub-folders of the "History" folder beside it (its own files stay).
// Never raises; whatever cannot be deleted is left. "/", the home folder, their ancestors and
// links are never emptied.
void ClearTempFiles(FileSystemObject &fs);

// Hands the log folder to the desktop's opener. Raises when the runtime service fails.
void OpenLogFolder();

// The two clearings split for a caller that runs the deleting on a worker thread: the locations
// are looked up on the caller's thread (the empty text when a lookup fails), the rest runs on
// fs anywhere. Neither raises.
struct CleanupLocations {
    std::string logs;      // "ZVENVSLOGS"
    std::string suiteTemp; // "ZVENVSTMP"
    std::string userTemp;  // process "TEMP"
    // The store, the locker and the program root: a cleaned folder that is, holds or lies
    // inside one of them is skipped whole.
    std::vector<std::string> kept;
};
CleanupLocations cleanupLocations();
// Both return the folders they skipped because of a kept folder, as named by the environment, and
// note in left what could not be deleted.
std::vector<std::string> clearLogFolder(FileSystemObject &fs, const CleanupLocations &at, Leftovers *left = nullptr);
std::vector<std::string> clearTempFolders(FileSystemObject &fs, const CleanupLocations &at,
                                          Leftovers *left = nullptr);

} // namespace rnx10

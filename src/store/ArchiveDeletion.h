// Which store folder each of the browser's five deletions may remove, and the removal itself.
#pragma once

#include "store/BrowserFolders.h"

#include <optional>
#include <string>

namespace rnx10 {

class FileSystemObject;

enum class StoreLevel { Year, Month, Day, Hour };

// The folder "Delete Year/Month/Day/Hour" removes, or nothing when that level has no folder
// selected: the variable is empty or is not a folder directly inside the level above (an hour
// entry holding the day folder after a rescan, for example).
std::optional<std::string> levelFolderToDelete(const BrowserFolders &folders, StoreLevel level);

// "No hour is selected." and its kin, for a level with nothing to delete.
std::string nothingSelectedText(StoreLevel level);

// The archive folder holding the copy: the parent of selectedDestinationDir.
// Raises as checkCopyFolder does when the copy is not an existing folder.
std::string archiveFolderOf(FileSystemObject &fso, const std::string &selectedDestinationDir);

// Raises 5 unless archiveFolder lies directly inside folders.HourFolder and that hour folder is four
// levels below folders.ComputerFolder (year, month, day, hour): a details.ini naming a copy anywhere
// else never gets anything deleted.
void checkArchiveFolder(FileSystemObject &fso, const BrowserFolders &folders, const std::string &archiveFolder);

// The path with doubled and trailing separators removed; empty when it is relative or holds a
// "." or ".." component, so such a path never matches a store folder.
std::string canonicalStorePath(const std::string &path);

} // namespace rnx10

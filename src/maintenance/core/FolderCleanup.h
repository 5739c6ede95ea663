// The steps of the maintenance cleanup on a file-system object the caller hands in (they may run
// on a worker thread). Each step swallows its own failures: whatever cannot be deleted is left and
// the cleanup goes on.
#pragma once

#include <string>

namespace rnx10 {

class FileSystemObject;

// True when path may be emptied: an absolute path naming a real folder (not a link to
// one) that is neither "/", $HOME, the password entry's home folder nor an ancestor of one.
bool isCleanableFolder(FileSystemObject &fs, const std::string &path);

// Deletes the folder with everything in it, then creates it again, empty (one level only).
// When something inside cannot be deleted, every other entry directly in the folder still is.
// A path that is empty, relative or protected is left alone; a link there is replaced by a
// real, empty folder, its target untouched.
void resetFolder(FileSystemObject &fs, const std::string &path);

// Deletes every sub-folder directly inside path, then, when withFiles, every other entry there.
// The folder itself stays. Does nothing unless isCleanableFolder(path).
void emptyFolder(FileSystemObject &fs, const std::string &path, bool withFiles);

// The folder named name beside the user temporary folder (its parent + "/" + name); the empty
// text when temp is not a usable folder or has no parent.
std::string besideTempFolder(FileSystemObject &fs, const std::string &temp, const std::string &name);

} // namespace rnx10

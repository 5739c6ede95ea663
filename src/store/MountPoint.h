// The backup drive of the store: the mount point of the file system that holds a folder.
#pragma once

#include <string>

namespace rnx10 {

class FileSystemObject;

// The mount point of the file system holding path (the nearest existing folder of it when the
// path itself is missing); the empty text when nothing of it can be found.
std::string mountPointOf(FileSystemObject &fso, const std::string &path);

} // namespace rnx10

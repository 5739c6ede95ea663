// Folder procedures of the store: existence test and creation of a whole folder path.
#pragma once

#include <string>

namespace rnx10 {

class FileSystemObject;

// True when path names an existing folder (with or without a trailing "/"). False for "", ".",
// ".." and "/", for a file and for anything that cannot be read. Never raises.
bool DirExists(FileSystemObject &fso, std::string path);

// Makes sure the folder exists, creating every missing level from the top down; true when it
// exists afterwards. An existing folder creates nothing. Raises the file system's error when a
// level cannot be created, leaving the levels made so far in place.
bool CreateDirStructure(FileSystemObject &fso, std::string path);

} // namespace rnx10

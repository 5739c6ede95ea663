// How the browser's store code measures a folder. The window hands in a measure that walks with a
// progress dialog; without one the code asks the file-system object it was given.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace rnx10 {

class FileSystemObject;

// Total logical bytes below folder; raises as FileSystemObject::folderSize does.
using FolderMeasure = std::function<std::uint64_t(const std::string &folder)>;

// measure(folder) when a measure is given, else fso.folderSize(folder).
std::uint64_t measureFolder(FileSystemObject &fso, const FolderMeasure &measure, const std::string &folder);

} // namespace rnx10

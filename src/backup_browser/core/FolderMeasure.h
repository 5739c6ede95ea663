// How the browser's store code measures a folder. The window hands in a measure that walks with a
// progress dialog; everyone else gets the thread's file-system object.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace rnx10 {

// Total logical bytes below folder; raises as FileSystemObject::folderSize does.
using FolderMeasure = std::function<std::uint64_t(const std::string &folder)>;

// The thread's file-system object's folderSize.
std::uint64_t sharedFolderSize(const std::string &folder);

} // namespace rnx10

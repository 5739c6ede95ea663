// Where the store is: the same keys and defaults for the browser, the schedule and the command line.
#pragma once

#include <string>

namespace rnx10 {

// The value of a folder key (the store, the locker) through the runtime service. Raises 76 naming
// the key when the value is empty or relative: a root taken relative to the current folder would
// create folders anywhere.
std::string absoluteFolderOf(const std::string &key);

// The store's root folder (ZVENVSBAK), absolute.
std::string storeRootFolder();

// <store root>/<this computer's name>: where this computer's archives are kept.
std::string computerFolderPath();

} // namespace rnx10

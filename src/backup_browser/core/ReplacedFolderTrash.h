// The folder a restore replaced goes to the desktop trash, so the restore can be undone from the
// file manager.
#pragma once

#include <string>

namespace rnx10 {

// Moves folder (the old content, under a temporary name beside originalPath) to the trash of its
// file system as the desktop's trash does it (QFile::moveToTrash: $XDG_DATA_HOME/Trash, or the
// mount's .Trash-UID), then names it there after originalPath and records originalPath as where it
// came from, so "Restore" in the file manager puts it back in place. False, folder untouched, when
// no trash on its file system takes it.
bool moveReplacedToTrash(const std::string &folder, const std::string &originalPath);

} // namespace rnx10

// Which folders the shell backup takes: [ShellBackup] Folder1, Folder2, ... of the suite's
// environment.ini, in order, up to the first missing key; when none is listed, $HOME/Documents
// if it exists.
#pragma once

#include <string>
#include <vector>

namespace rnx10::backuptool {

std::vector<std::string> shellBackupFolders();

} // namespace rnx10::backuptool

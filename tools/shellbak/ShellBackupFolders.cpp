#include "ShellBackupFolders.h"

#include "platform/FileSystemObject.h"
#include "services/IniFile.h"
#include "services/RuntimeService.h"

#include <cstdlib>

namespace rnx10::backuptool {

std::vector<std::string> shellBackupFolders()
{
    std::vector<std::string> folders;
    const std::string file = RuntimeService::configurationFile();
    for (int n = 1;; ++n) {
        auto folder = IniFile::read(file, "ShellBackup", "Folder" + std::to_string(n));
        if (!folder)
            break;
        if (!folder->empty())
            folders.push_back(*folder);
    }
    if (!folders.empty())
        return folders;
    const char *home = std::getenv("HOME");
    const std::string documents = std::string(home ? home : "") + "/Documents";
    if (home && *home && FileSystemObject().folderExists(documents))
        folders.push_back(documents);
    return folders;
}

} // namespace rnx10::backuptool

// The browser's path and selection variables, shared by the scan, the list and the operations.
#pragma once

#include "platform/walk/HeldFolder.h"

#include <string>

namespace rnx10 {

struct BrowserFolders {
    std::string BackupDrive;
    std::string ComputerFolder;
    std::string YearFolder;
    std::string MonthFolder;
    std::string DayFolder;
    std::string HourFolder;
    std::string SelectedSourceDir;
    std::string SelectedDestinationDir;
    // The computer folder the scan listed: deletions open the store from it and nothing else.
    walk::FolderIdentity ComputerIdentity;

    // Every variable back to the empty text, in the order the window clears them.
    void clear() { *this = BrowserFolders{}; }
};

} // namespace rnx10

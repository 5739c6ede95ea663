// The browser's path and selection variables, shared by the scan, the list and the operations.
#pragma once

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

    // Every variable back to the empty text, in the order the window clears them.
    void clear() { *this = BrowserFolders{}; }
};

} // namespace rnx10

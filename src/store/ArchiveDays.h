// Which days of a month hold archives, for the calendar to show them in bold.
#pragma once

#include <set>
#include <string>
#include <vector>

namespace rnx10 {

class FileSystemObject;

struct ArchiveDays {
    std::set<int> days;               // days of the month whose day folder holds an hour folder
    std::vector<std::string> folders; // every folder listed to find them, top down
};

// Looks at the computer folder, the year and month folders of year and month, and each matching
// day folder, matched and addressed as the scan does (leading number, canonical name); nothing
// below a day folder is listed and nothing is measured. Never raises: a level that cannot be
// listed counts as holding nothing.
ArchiveDays archiveDays(FileSystemObject &fso, const std::string &computerFolder, int year, int month);

} // namespace rnx10

// Writes one archive of the backup store: <store>/<computer>/<year>/<month>/<day>/<hour>/<archive>/
// holding details.ini ([DETAILS] SourceDir, DestinationDir, Computer, WindowsUser, NowStamp)
// and the copy of the source directly inside the archive folder.
#pragma once

#include <ctime>
#include <string>

namespace rnx10::backuptool {

struct ArchiveRequest {
    std::string store;       // absolute store root
    std::string source;      // folder to copy
    std::string sourceText;  // SourceDir as written ("REGKEYS" for the settings backup)
    std::string archiveName; // wanted archive folder name; made unique within the hour
    std::string copyName;    // name of the copy inside the archive folder
    std::tm when{};          // local time of the backup
};

// What details.ini records of one archive.
struct ArchiveDetails {
    std::string sourceDir;      // SourceDir
    std::string destinationDir; // DestinationDir: the copy
    std::string computer;       // Computer
    std::string user;           // WindowsUser
    std::string stamp;          // NowStamp
};

// The text of details.ini for these values; the tests lay out stores with it too.
std::string detailsText(const ArchiveDetails &details);

// The hour folder's name for a time: "HH-MM".
std::string hourFolderName(const std::tm &when);

// The day folder: store/computer/year/month/day, canonical numbers (no leading zeros).
std::string dayFolder(const std::string &store, const std::string &computer, const std::tm &when);

// Writes the archive and returns its folder. Raises AutomationError when the store is not an
// absolute path, the source is missing or lies around the store, or a copy step fails.
std::string writeArchive(const ArchiveRequest &request);

} // namespace rnx10::backuptool

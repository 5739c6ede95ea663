// The scan of the store for one date: the folder variables, the day's hours and the status texts.
#pragma once

#include "automation/AutomationError.h"
#include "store/BrowserFolders.h"
#include "store/FolderMeasure.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rnx10 {

struct ScanResult {
    BrowserFolders folders;              // HourFolder and the selection stay empty
    std::vector<std::string> hours;      // hour folder names (raw bytes), in name order
    std::optional<std::string> status;   // status panel 1; unset when the scan never reached it
    std::optional<std::string> lockerToolTip;
    std::string measuredFolder;          // the computer folder as its size walk sees it (a link at it followed)
    std::optional<AutomationError> error; // the step that stopped the scan; the rest is kept
};

// Resolves the store through the runtime service, creates the missing computer and locker
// folders, marks the store root and the locker hidden (a marking that fails is passed over), and
// lists the hours of the date, all through fso. Never raises: an error ends the scan and is returned with what was found before it.
// A store or locker root that is empty or relative is refused (76) before anything is created.
// A store root or computer folder that is a link is followed; links below them are not.
// measure sizes the computer folder (fso.folderSize when not given).
ScanResult scanStore(FileSystemObject &fso, int year, int month, int day, const FolderMeasure &measure = {});

// The same scan without the computer folder's size: the click path lists the year, month, day and
// hour folders and nothing more; lockerToolTip stays unset and the caller sizes measuredFolder
// when it suits it (a worker, after the lists are shown).
ScanResult scanStoreDay(FileSystemObject &fso, int year, int month, int day);

// The locker's tooltip for a computer folder of bytes.
std::string lockerToolTipText(const std::string &computerFolder, std::uint64_t bytes);

} // namespace rnx10

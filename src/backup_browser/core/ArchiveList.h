// The archives of one hour: one row per archive folder with the five values of its details.ini.
#pragma once

#include "automation/AutomationError.h"
#include "backup_browser/core/FolderMeasure.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace rnx10 {

// The keys of section "DETAILS", in column order.
inline constexpr std::array<const char *, 5> kDetailsKeys = {"SourceDir", "DestinationDir", "Computer", "WindowsUser",
                                                             "NowStamp"};

struct ArchiveRow {
    std::string name;                  // archive folder name, raw bytes
    std::array<std::string, 5> values; // as ReadINIValue yields them
};

struct ArchiveListResult {
    std::string hourFolder;                  // empty when no hour was picked
    std::optional<std::string> sizeCaption;  // "Size : n MB"; unset when not measured
    std::optional<std::string> sizeToolTip;  // "n Bytes"
    std::vector<ArchiveRow> rows;
    std::optional<AutomationError> error;    // the step that stopped the fill; rows so far kept
};

// Lists the archives of dayFolder/hour through fso. Without an hour (none picked since the last
// scan) it lists and measures nothing. measure sizes the hour folder (fso.folderSize when not
// given). Never raises.
ArchiveListResult fillArchiveList(FileSystemObject &fso, const std::string &dayFolder,
                                  const std::optional<std::string> &hour, const FolderMeasure &measure = {});

} // namespace rnx10

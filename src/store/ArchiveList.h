// The archives of one hour: one row per archive folder with the five values of its details.ini.
#pragma once

#include "automation/AutomationError.h"
#include "store/FolderMeasure.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace rnx10 {

// The keys of section "DETAILS", in column order.
inline constexpr std::array<const char *, 5> kDetailsKeys = {"SourceDir", "DestinationDir", "Computer", "WindowsUser",
                                                             "NowStamp"};

// A real details.ini is a few hundred bytes; a larger one is no details file and is not parsed.
inline constexpr std::size_t kMostDetailsBytes = 64 * 1024;

// What the row's details.ini gave.
enum class DetailsFile {
    Read,       // values as the file holds them (empty for a missing key)
    Missing,    // no regular file there (nothing, a link, a FIFO, a device): values empty
    Unreadable, // larger than kMostDetailsBytes or not readable: values empty
};

struct ArchiveRow {
    std::string name;                  // archive folder name, raw bytes
    std::array<std::string, 5> values; // read once, when the row is listed; used for its actions
    DetailsFile details = DetailsFile::Missing;
};

// The five values of the details.ini at path, in one bounded read that never follows a link at it
// or opens a FIFO or device for reading. Never raises.
DetailsFile readDetails(const std::string &path, std::array<std::string, 5> &values);
// The same for the details.ini of the archive folder open as archiveFd.
DetailsFile readDetailsAt(int archiveFd, std::array<std::string, 5> &values);

struct ArchiveListResult {
    std::string hourFolder;                  // empty when no hour was picked
    std::optional<std::string> sizeCaption;  // "Size : n MB"; unset when not measured
    std::optional<std::string> sizeToolTip;  // "n Bytes"
    std::vector<ArchiveRow> rows;
    std::optional<AutomationError> error;    // the step that stopped the fill; rows so far kept
};

// Lists the archives of dayFolder/hour through fso; each details.ini is read once, without waiting
// on a writer and never past kMostDetailsBytes. Without an hour (none picked since the last
// scan) it lists and measures nothing. measure sizes the hour folder (fso.folderSize when not
// given). Never raises.
ArchiveListResult fillArchiveList(FileSystemObject &fso, const std::string &dayFolder,
                                  const std::optional<std::string> &hour, const FolderMeasure &measure = {});

} // namespace rnx10

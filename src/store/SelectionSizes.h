// What a click on an archive shows: the sizes of its source folder and of its copy.
#pragma once

#include "store/FolderMeasure.h"

#include <optional>
#include <string>

namespace rnx10 {

// The SourceDir of an archive whose source is not a folder; compared exactly.
inline constexpr const char *kRegistryKeysSource = "REGKEYS";

struct SelectionPanels {
    bool selects = false;              // false for a "REGKEYS" source: nothing changes
    std::optional<std::string> panel1; // source (shortened as shownValue does) + CR LF + "Size : n MB"; unset when not measured
    std::optional<std::string> panel2; // the same for the copy
};

// Measures the source, then the copy (with measure, else fso.folderSize). A size that fails leaves
// that panel, and every one after it, unset. Never raises.
SelectionPanels selectionSizes(FileSystemObject &fso, const std::string &source, const std::string &destination,
                               const FolderMeasure &measure = {});

} // namespace rnx10

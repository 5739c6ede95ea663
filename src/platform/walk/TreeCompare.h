// What putting one tree in place of another would change: the entries only in the current tree,
// only in the other, and in both but different, found with the quick check of SameEntry.h (type,
// size of files, modification time in whole seconds, the text of links) and, when asked, the
// files' contents. Links are compared as links and never followed.
#pragma once

#include "automation/AutomationError.h"
#include "platform/walk/WalkProgress.h"

#include <cstdint>
#include <functional>
#include <string>

namespace rnx10::walk {

enum class ChangeKind : char { OnlyCurrent = '-', OnlyArchive = '+', Differs = '~' };

struct TreeChange {
    ChangeKind kind;
    std::string path; // relative to both roots
    const char *what; // for Differs: "type", "size", "time", "link" or "content"; "" otherwise
};

struct ChangeCounts {
    std::uint64_t onlyCurrent = 0;
    std::uint64_t onlyArchive = 0;
    std::uint64_t differs = 0;
    std::uint64_t skipped = 0; // entries that could not be read and were passed over
};

struct CompareOptions {
    // Also read files the quick check calls the same and report those whose bytes differ.
    bool contents = false;
    // An entry below the roots that could not be read (a folder that cannot be opened or listed, an
    // entry gone between its folder's listing and its stat, a file whose contents cannot be read):
    // told here and passed over, as find goes on. Without it the comparison raises instead.
    std::function<void(const std::string &path, const AutomationError &error)> skipped;
};

// Calls report for every difference between archive and current, depth first in name order
// (platform/NameOrder.h). A folder on one side only is reported once, its contents not listed:
// it comes back or goes as a whole. A missing current gives every entry of archive as OnlyArchive.
// Raises when either root cannot be read; stops with walk::interrupted() once progress asks it to.
ChangeCounts compareTrees(const std::string &archive, const std::string &current,
                          const std::function<void(const TreeChange &)> &report, WalkProgress *progress = nullptr,
                          const CompareOptions &options = {});

} // namespace rnx10::walk

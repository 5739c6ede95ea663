// What putting one tree in place of another would change: the entries only in the current tree,
// only in the other, and in both but different, found with the quick check (type, size of files,
// modification time in whole seconds, the text of links). Links are compared as links and never
// followed.
#pragma once

#include "platform/walk/WalkProgress.h"

#include <cstdint>
#include <functional>
#include <string>

namespace rnx10::walk {

enum class ChangeKind : char { OnlyCurrent = '-', OnlyArchive = '+', Differs = '~' };

struct TreeChange {
    ChangeKind kind;
    std::string path; // relative to both roots
    const char *what; // for Differs: "type", "size", "time" or "link"; "" otherwise
};

struct ChangeCounts {
    std::uint64_t onlyCurrent = 0;
    std::uint64_t onlyArchive = 0;
    std::uint64_t differs = 0;
};

// Calls report for every difference between archive and current, depth first in name order
// (platform/NameOrder.h). A folder on one side only is reported once, its contents not listed:
// it comes back or goes as a whole. A missing current gives every entry of archive as OnlyArchive.
// Raises when archive cannot be read, or a folder below either root cannot; stops with
// walk::interrupted() once progress asks it to.
ChangeCounts compareTrees(const std::string &archive, const std::string &current,
                          const std::function<void(const TreeChange &)> &report, WalkProgress *progress = nullptr);

} // namespace rnx10::walk

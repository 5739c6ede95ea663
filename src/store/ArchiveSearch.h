// The search of a computer folder's archives by name: every file and folder inside each archive's
// copy whose name matches a shell pattern, without regard to case, reported as it is found.
#pragma once

#include "store/CopyEntry.h"
#include "store/StoreArchives.h"

#include <functional>
#include <string>

namespace rnx10 {

struct FoundEntry : ArchiveOrigin {
    std::string relative;  // the path inside the copy
    std::string storePath; // the copy's path and relative joined
    EntryFacts facts;
};

struct SearchReceiver {
    std::function<void(const FoundEntry &)> found;
    // A folder that could not be read (listed or opened); the search goes on past it.
    std::function<void(const std::string &path, const AutomationError &error)> unreadable;
};

// Searches the copy of every archive of computerFolder in range, newest archive first (the order of
// forEachArchive), for names that match pattern as fnmatch does with FNM_CASEFOLD ("find -iname").
// A copy is searched only when its DestinationDir lies inside its archive folder; no link is
// followed. Holds nothing of the store beyond the folders on the way to the current entry. Raises
// error 18 once progress->cancel is set (checked at every folder), 5 for an empty pattern.
void searchArchives(const std::string &computerFolder, const std::string &pattern, const DateRange &range,
                    const SearchReceiver &receiver, walk::WalkProgress *progress = nullptr);

} // namespace rnx10

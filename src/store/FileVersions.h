// The versions of one file or folder: every archive whose copy holds it, newest first.
#pragma once

#include "store/CopyEntry.h"
#include "store/StoreArchives.h"

#include <string>
#include <vector>

namespace rnx10 {

// Against the next older version, by the rule compare uses (platform/walk/SameEntry.h).
enum class VersionChange { First, Changed, Same };

// "first", "changed" or "same": the word the command line prints and the window translates.
const char *changeText(VersionChange change);

struct FileVersion : ArchiveOrigin {
    std::string storePath; // the version's path inside the copy
    EntryFacts facts;
    VersionChange change = VersionChange::First; // the oldest version is the first
};

// The versions of path (absolute, as it was backed up): for every archive of computerFolder whose
// SourceDir holds path (compared name by name) and whose copy, inside its archive folder, holds the
// rest of it, reached without following a link. Newest first. Raises 5 for a path that is not
// absolute or holds "." or "..", 18 once progress->cancel is set.
std::vector<FileVersion> fileVersions(const std::string &computerFolder, const std::string &path,
                                      walk::WalkProgress *progress = nullptr);

} // namespace rnx10

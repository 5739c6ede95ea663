// Walks over a folder already open: a folder checked once is measured and removed as that very
// folder, whatever is renamed or linked in its place meanwhile.
#pragma once

#include "platform/FileIO.h"
#include "platform/walk/WalkProgress.h"

#include <cstdint>
#include <string>

namespace rnx10::walk {

// A folder's device and inode.
struct FolderIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    bool operator==(const FolderIdentity &) const = default;
};

// The identity of the open folder fd. Raises on failure.
FolderIdentity identityOf(int fd, const std::string &pathForErrors);

// True when name in parent, links not followed, is the folder of that identity.
bool holdsFolder(int parent, const char *name, const FolderIdentity &identity);

// A descriptor of its own on the open folder, read from the start whatever was read through folder.
Descriptor reopenFolder(const Descriptor &folder, const std::string &path);

// Logical bytes of all regular files below the open folder.
std::uint64_t treeSizeOf(const Descriptor &folder, const std::string &path, WalkProgress *progress = nullptr);

// Removes everything below the open folder, then the folder itself from parent as name, but only
// while name there still is that folder (70 otherwise, the emptied folder left in place). With
// force, read-only folders are made writable first. progress counts the entries removed.
void removeHeldTree(const Descriptor &parent, const char *name, const Descriptor &folder, const std::string &path,
                    bool force, WalkProgress *progress = nullptr);

} // namespace rnx10::walk

// A store folder to delete, opened level by level from the computer folder the scan saw: what is
// measured and removed is that folder, whatever is renamed or linked in its place after the scan.
#pragma once

#include "store/BrowserFolders.h"
#include "platform/FileIO.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace rnx10 {

class FileSystemObject;

struct HeldStoreFolder {
    Descriptor parent; // the level above, opened through the same chain
    Descriptor folder;
    std::string name;  // folder's name in parent
    std::string path;
};

// The computer folder's identity, its own link followed (a store on another disk linked back).
// Raises when it cannot be opened.
walk::FolderIdentity computerFolderIdentity(const std::string &computerFolder);

// Opens folder, a folder below folders.ComputerFolder, one name at a time from the computer folder,
// never through a link. Raises 70 (and opens nothing) when the computer folder is not the one the
// scan saw, or a level on the way, folder itself included, is a link or no folder. Nothing when
// folder is gone.
std::optional<HeldStoreFolder> holdStoreFolder(const BrowserFolders &folders, const std::string &folder);

// The measure a deletion takes first; by default the held folder's size, counted apart from the
// deletion's progress.
using HeldMeasure = std::function<std::uint64_t(const HeldStoreFolder &)>;
std::uint64_t heldFolderSize(const HeldStoreFolder &held);

// Measures the held folder when measure is given (none when that fails), then deletes it with
// everything in it, read-only entries included. Raises 70 and removes nothing when its name no
// longer names that folder after the measure.
// The removal goes through fso.deleteOpenedFolder.
std::optional<std::uint64_t> deleteHeldFolder(FileSystemObject &fso, const HeldStoreFolder &held,
                                              const HeldMeasure &measure);

} // namespace rnx10

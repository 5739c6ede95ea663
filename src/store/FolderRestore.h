// Putting an archive's copy back in place of its source folder.
#pragma once

#include "store/ReplacedFolderFate.h"

#include <memory>
#include <string>
#include <vector>

namespace rnx10 {

class Descriptor;
class FileSystemObject;

// Raises 76 "Path not found" when the archive's copy is missing, 75 naming it "not a folder" when
// something else (a file, say) is there.
void checkCopyFolder(FileSystemObject &fso, const std::string &copyDir);

// Raises 5, naming the reason, when sourceDir must not be replaced: "REGKEYS" (registry keys,
// not a folder), empty, relative, "/", the home folder or an ancestor of it, or the backup store,
// a folder inside it or one that holds it. storeRoot is the store's root folder.
void checkRestoreTarget(const std::string &sourceDir, const std::string &storeRoot);

// Raises 5, naming path as label ("the source") says, when path (links resolved, a missing last
// name through its parent) lies inside the store, the locker or the program's folder, or holds one.
void checkOutsideStore(const std::string &path, const std::string &label, const std::string &storeRoot);

// Copies everything inside copyDir into staging as restore does (modes, times, links as links,
// named pipes as named pipes). Returns the archive's entries it passed over (sockets, devices).
// On failure staging is removed again and the error names the archive's file, not staging's.
std::vector<std::string> copyIntoStaging(FileSystemObject &fso, const std::string &copyDir, const std::string &staging);

// Removes a staging folder of ours, best effort: it holds nothing the user had.
void discardStaging(FileSystemObject &fso, const std::string &folder);

// Replaces sourceDir with a copy of copyDir. The copy is made into a new folder beside the
// source first and only then swapped in; the old source goes to the desktop trash of its file
// system after the swap (moveToTrash), or is removed where none takes it; returns which. So a copy
// that fails leaves the source as it was and no partial folder behind. A missing source is
// created (its parent must exist, else 76). Links in the copy are copied as links; modes, times
// and (where allowed) owners are kept as cp -a keeps them, the source folder's own included. A
// sourceDir that is a link is restored into the folder it points to, the link kept; the checks
// apply to both.
// Raises as checkRestoreTarget does, 76 when the copy is not a folder, 58 when the source is
// something other than a folder, and the file system's error when a step fails.
ReplacedFolder restoreFolder(FileSystemObject &fso, const std::string &copyDir, const std::string &sourceDir,
                             const std::string &storeRoot);

// restoreFolder in two halves, for a caller that may stop the first: staging checks and copies
// into the new folder beside the source, and, when it fails or is stopped, removes that folder
// again, the source untouched. The swap that completes it must not be stopped halfway.
struct StagedRestore {
    std::string staging;        // the filled folder beside the source
    std::string sourceDir;
    bool sourcePresent = false; // false: the staging folder becomes the source
    std::shared_ptr<Descriptor> lock; // held while the restore runs (StagingFolder.h)
    std::vector<std::string> skipped; // the archive's sockets and devices, not copied
};
StagedRestore stageRestore(FileSystemObject &fso, const std::string &copyDir, const std::string &sourceDir,
                           const std::string &storeRoot);
ReplacedFolder completeRestore(FileSystemObject &fso, const StagedRestore &staged);
// Removes the staging folder, best effort; the source stays as it was.
void discardRestore(FileSystemObject &fso, const StagedRestore &staged);

} // namespace rnx10

#include "store/FolderRestore.h"

#include "automation/AutomationError.h"
#include "store/DesktopTrash.h"
#include "store/StagingFolder.h"
#include "platform/ComputerName.h"
#include "platform/FileSystemObject.h"
#include "platform/Paths.h"
#include "platform/walk/WalkProgress.h"
#include "services/EnvironmentKeys.h"
#include "services/RuntimeService.h"
#include "services/ServiceSet.h"

#include <optional>
#include <vector>

namespace rnx10 {

namespace {

// Where the source is or would be, links resolved: a missing source resolves through its parent.
std::string resolvedTarget(const std::string &sourceDir)
{
    std::string real = realPath(sourceDir);
    if (!real.empty())
        return real;
    std::string parent = realPath(parentPath(sourceDir));
    return parent.empty() ? std::string() : joinPath(parent, baseName(sourceDir));
}

bool hasDotComponent(const std::string &path)
{
    return path == "." || path == ".." || path.find("/./") != std::string::npos ||
           path.find("/../") != std::string::npos || path.ends_with("/.") || path.ends_with("/..");
}

[[noreturn]] void refuse(const std::string &why) { throw err::invalidCall(why + "; nothing was changed"); }

// A folder the restore must neither replace, nor write into, nor replace a folder holding it.
struct Guarded {
    std::string real; // links resolved; empty when it does not exist
    const char *name;
};

std::string environmentFolder(const char *key)
{
    try {
        return services().runtime().EnvironGet(envkey::kSuiteEnvironment, key);
    } catch (const AutomationError &) {
        return {}; // not set: nothing of it to protect
    }
}

// The store as it really lies: its root and the computer folder, whose own link (a store moved to
// another disk) leads out of the root; then the locker and the program's folder.
std::vector<Guarded> guardedFolders(const std::string &storeRoot)
{
    return {{realPath(storeRoot), "the backup store"},
            {realPath(joinPath(storeRoot, GetMachineName())), "the backup store"},
            {realPath(environmentFolder(envkey::Locker)), "the locker"},
            {realPath(environmentFolder(envkey::ProgramRoot)), "the program's folder"}};
}


// A new, empty folder beside the source, on its file system, so the swap is a rename.
std::string makeSibling(FileSystemObject &fso, const std::string &parent)
{
    return fso.createUniqueFolder(parent, kStagingPrefix);
}

// Moves the source aside, then staging into its place; undoes the first move when the second fails.
std::string swapByRenames(FileSystemObject &fso, const std::string &staging, const std::string &source)
{
    const std::string old = makeSibling(fso, parentPath(source));
    fso.deleteFolder(old, false); // only its name was wanted: the source may be a link
    fso.rename(source, old);
    try {
        fso.rename(staging, source);
    } catch (...) {
        try {
            fso.rename(old, source);
        } catch (...) {
        }
        throw;
    }
    return old;
}

// Puts staging in the source's place; returns where the old source now lies ("" for none).
std::string swapIn(FileSystemObject &fso, const std::string &staging, const std::string &source, bool sourcePresent)
{
    if (!sourcePresent) {
        fso.rename(staging, source);
        return {};
    }
    if (fso.exchange(staging, source))
        return staging;
    return swapByRenames(fso, staging, source);
}

std::string putInPlace(FileSystemObject &fso, const std::string &staging, const std::string &source, bool sourcePresent)
{
    try {
        return swapIn(fso, staging, source, sourcePresent);
    } catch (...) {
        discardStaging(fso, staging);
        throw;
    }
}

// The staging folder is removed before the user reads of a failed copy: its path in the error
// becomes the archive's, so the error names the archive's file the copy stopped at.
AutomationError namedInArchive(const AutomationError &e, const std::string &staging, const std::string &copyDir)
{
    std::string text = e.description();
    for (std::size_t at = text.find(staging); at != std::string::npos; at = text.find(staging, at + copyDir.size()))
        text.replace(at, staging.size(), copyDir);
    return AutomationError(e.number(), text);
}


// A copy inside the source would be lost with the old source; a source inside the copy would
// put the staging folder into the tree being copied.
void checkNoOverlap(const std::string &copyDir, const std::string &sourceDir)
{
    const std::string copy = realPath(copyDir);
    const std::string target = resolvedTarget(sourceDir);
    if (isInside(copy, target) || isInside(target, copy))
        refuse("the copy " + copyDir + " and the source " + sourceDir + " overlap");
}

void checkCopy(FileSystemObject &fso, const std::string &copyDir, const std::string &sourceDir)
{
    checkCopyFolder(fso, copyDir);
    checkNoOverlap(copyDir, sourceDir);
}

void removeOldSource(FileSystemObject &fso, const std::string &old)
{
    try {
        fso.deleteFolder(old, true);
    } catch (const AutomationError &e) {
        throw AutomationError(e.number(), e.description() + " (the copy was restored; the old content is left in " + old + ")");
    }
}

} // namespace

void checkOutsideStore(const std::string &path, const std::string &label, const std::string &storeRoot)
{
    const std::string target = resolvedTarget(path);
    if (target.empty())
        return; // a missing parent that the restore itself reports
    for (const Guarded &g : guardedFolders(storeRoot)) {
        if (g.real.empty())
            continue;
        if (isInside(target, g.real))
            refuse(label + " " + path + " lies inside " + g.name);
        if (isInside(g.real, target))
            refuse(label + " " + path + " holds " + g.name);
    }
}

void discardStaging(FileSystemObject &fso, const std::string &folder)
{
    walk::ScopedProgress unstoppable(nullptr); // a Cancel that stopped the copy must not stop this
    try {
        fso.deleteFolder(folder, true);
    } catch (...) {
    }
}

std::vector<std::string> copyIntoStaging(FileSystemObject &fso, const std::string &copyDir, const std::string &staging)
{
    // The walk notes what it passes over in the thread's progress: one of its own when the caller
    // has none.
    walk::WalkProgress own;
    walk::WalkProgress *progress = walk::threadProgress();
    std::optional<walk::ScopedProgress> ownScope;
    if (!progress) {
        progress = &own;
        ownScope.emplace(progress);
    }
    const std::size_t skippedBefore = progress->skippedCount();
    try {
        // The copy keeps modes and times, the staging folder's own included: the source ends
        // with the copy's, not with the private mode the staging folder was made with.
        fso.copyFolder(copyDir, staging, true);
        return progress->skippedSince(skippedBefore);
    } catch (const AutomationError &e) {
        discardStaging(fso, staging);
        throw namedInArchive(e, staging, copyDir);
    } catch (...) {
        discardStaging(fso, staging);
        throw;
    }
}

void checkCopyFolder(FileSystemObject &fso, const std::string &copyDir)
{
    if (fso.folderExists(copyDir))
        return;
    if (!copyDir.empty() && fso.entryExists(copyDir))
        throw err::pathFileAccess(copyDir + " is not a folder");
    throw err::pathNotFound(copyDir);
}

void checkRestoreTarget(const std::string &sourceDir, const std::string &storeRoot)
{
    if (sourceDir == "REGKEYS")
        refuse("this archive holds registry keys, not a folder, and cannot be restored here");
    if (sourceDir.empty())
        refuse("the archive names no source folder");
    if (sourceDir.front() != '/' || hasDotComponent(sourceDir))
        refuse("the source " + sourceDir + " is not a full path");
    if (sourceDir.find_first_not_of('/') == std::string::npos || isProtectedFolder(sourceDir))
        refuse("the source " + sourceDir + " is the root, the home folder or an ancestor of it");
    checkOutsideStore(sourceDir, "the source", storeRoot);
}

StagedRestore stageRestore(FileSystemObject &fso, const std::string &copyDir, const std::string &givenSource,
                           const std::string &storeRoot)
{
    checkRestoreTarget(givenSource, storeRoot);
    // A source that is a link (a folder kept on another disk, linked back) is restored into the
    // folder it points to, which every check applies to; the link stays.
    const std::string sourceDir = followLink(givenSource);
    if (sourceDir != givenSource)
        checkRestoreTarget(sourceDir, storeRoot);
    checkCopy(fso, copyDir, sourceDir);
    const std::string parent = parentPath(sourceDir);
    if (!fso.folderExists(parent))
        throw err::pathNotFound(parent);
    StagedRestore staged;
    staged.sourceDir = sourceDir;
    staged.sourcePresent = fso.entryExists(sourceDir);
    if (staged.sourcePresent && !fso.folderExists(sourceDir))
        throw err::fileExists(sourceDir);
    // Staging beside the source, on its file system, so the swap is a rename; what a killed
    // restore left there goes first.
    StagingFolder staging = makeStagingFolder(fso, parent);
    staged.staging = staging.path;
    staged.lock = staging.lock;
    staged.skipped = copyIntoStaging(fso, copyDir, staged.staging);
    return staged;
}

ReplacedFolder completeRestore(FileSystemObject &fso, const StagedRestore &staged)
{
    const std::string old = putInPlace(fso, staged.staging, staged.sourceDir, staged.sourcePresent);
    ReplacedFolder replaced;
    if (old.empty())
        return replaced;
    const std::shared_ptr<Descriptor> held = holdStaging(old); // under a staging name now: not abandoned
    // The replaced content goes to the trash, so the restore can be undone; only where no trash
    // on its file system takes it is it deleted.
    if (std::optional<std::string> inTrash = moveToTrash(old, staged.sourceDir)) {
        replaced.fate = ReplacedFolder::Fate::Trashed;
        replaced.inTrash = std::move(*inTrash);
        return replaced;
    }
    removeOldSource(fso, old);
    replaced.fate = ReplacedFolder::Fate::Deleted;
    return replaced;
}

void discardRestore(FileSystemObject &fso, const StagedRestore &staged) { discardStaging(fso, staged.staging); }

ReplacedFolder restoreFolder(FileSystemObject &fso, const std::string &copyDir, const std::string &sourceDir,
                             const std::string &storeRoot)
{
    return completeRestore(fso, stageRestore(fso, copyDir, sourceDir, storeRoot));
}

} // namespace rnx10

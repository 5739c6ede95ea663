#include "backup_browser/core/FolderRestore.h"

#include "automation/AutomationError.h"
#include "platform/FileSystemObject.h"
#include "platform/Paths.h"
#include "platform/WalkProgress.h"
#include "services/ServiceSet.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

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

void checkAgainstStore(const std::string &sourceDir, const std::string &storeRoot)
{
    const std::string target = resolvedTarget(sourceDir);
    const std::string store = realPath(storeRoot);
    if (store.empty() || target.empty())
        return; // no store to protect, or a missing parent that the restore itself reports
    if (isInside(target, store))
        refuse("the source " + sourceDir + " lies inside the backup store");
    if (isInside(store, target))
        refuse("the source " + sourceDir + " holds the backup store");
}

bool entryExists(const std::string &path)
{
    struct stat st{};
    return ::lstat(path.c_str(), &st) == 0;
}

// A new, empty folder beside the source, on its file system, so the swap is a rename.
std::string makeSibling(const std::string &parent)
{
    std::string name = joinPath(parent, ".rnx10-restore-XXXXXX");
    if (!::mkdtemp(name.data()))
        throw err::fromErrno(errno, parent);
    return name;
}

// Best effort: the folder is ours and holds nothing the user had. A Cancel that stopped the copy
// must not stop this removal too.
void discard(FileSystemObject &fso, const std::string &folder)
{
    walk::ScopedProgress unstoppable(nullptr);
    try {
        fso.deleteFolder(folder, true);
    } catch (...) {
        ::rmdir(folder.c_str());
    }
}

// The copy's own folder keeps its permissions, as every folder inside it does.
void copyMode(const std::string &from, const std::string &to)
{
    struct stat st{};
    if (::stat(from.c_str(), &st) == 0)
        ::chmod(to.c_str(), st.st_mode & 07777);
}

// Puts staging in the source's place; returns where the old source now lies ("" for none).
std::string swapIn(const std::string &staging, const std::string &source, bool sourcePresent)
{
    if (!sourcePresent) {
        if (::rename(staging.c_str(), source.c_str()) != 0)
            throw err::fromErrno(errno, source);
        return {};
    }
    if (::renameat2(AT_FDCWD, staging.c_str(), AT_FDCWD, source.c_str(), RENAME_EXCHANGE) == 0)
        return staging;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        throw err::fromErrno(errno, source);
    // A file system without the atomic exchange: two renames, undone if the second fails.
    std::string old = makeSibling(parentPath(source));
    ::rmdir(old.c_str());
    if (::rename(source.c_str(), old.c_str()) != 0)
        throw err::fromErrno(errno, source);
    if (::rename(staging.c_str(), source.c_str()) != 0) {
        int e = errno;
        ::rename(old.c_str(), source.c_str());
        throw err::fromErrno(e, source);
    }
    return old;
}

std::string putInPlace(FileSystemObject &fso, const std::string &staging, const std::string &source, bool sourcePresent)
{
    try {
        return swapIn(staging, source, sourcePresent);
    } catch (...) {
        discard(fso, staging);
        throw;
    }
}

void copyIntoStaging(FileSystemObject &fso, const std::string &copyDir, const std::string &staging)
{
    try {
        fso.copyFolder(copyDir, staging, true);
        copyMode(copyDir, staging);
    } catch (...) {
        discard(fso, staging);
        throw;
    }
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
    if (!fso.folderExists(copyDir))
        throw err::pathNotFound(copyDir);
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

void checkRestoreTarget(const std::string &sourceDir, const std::string &storeRoot)
{
    if (sourceDir == "REGKEYS")
        refuse("this archive holds registry keys, not a folder, and cannot be restored here");
    if (sourceDir.empty())
        refuse("no archive is selected");
    if (sourceDir.front() != '/' || hasDotComponent(sourceDir))
        refuse("the source " + sourceDir + " is not a full path");
    if (sourceDir.find_first_not_of('/') == std::string::npos || isProtectedFolder(sourceDir))
        refuse("the source " + sourceDir + " is the root, the home folder or an ancestor of it");
    checkAgainstStore(sourceDir, storeRoot);
}

StagedRestore stageRestore(FileSystemObject &fso, const std::string &copyDir, const std::string &sourceDir,
                           const std::string &storeRoot)
{
    checkRestoreTarget(sourceDir, storeRoot);
    checkCopy(fso, copyDir, sourceDir);
    const std::string parent = parentPath(sourceDir);
    if (!fso.folderExists(parent))
        throw err::pathNotFound(parent);
    StagedRestore staged;
    staged.sourceDir = sourceDir;
    staged.sourcePresent = entryExists(sourceDir);
    if (staged.sourcePresent && !fso.folderExists(sourceDir))
        throw err::fileExists(sourceDir);
    staged.staging = makeSibling(parent);
    copyIntoStaging(fso, copyDir, staged.staging);
    return staged;
}

void completeRestore(FileSystemObject &fso, const StagedRestore &staged)
{
    const std::string old = putInPlace(fso, staged.staging, staged.sourceDir, staged.sourcePresent);
    if (!old.empty())
        removeOldSource(fso, old);
}

void discardRestore(FileSystemObject &fso, const StagedRestore &staged) { discard(fso, staged.staging); }

void restoreFolder(const std::string &copyDir, const std::string &sourceDir, const std::string &storeRoot)
{
    FileSystemObject &fso = services().fileSystem();
    completeRestore(fso, stageRestore(fso, copyDir, sourceDir, storeRoot));
}

} // namespace rnx10

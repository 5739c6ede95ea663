#include "maintenance/core/FolderCleanup.h"

#include "maintenance/core/CleanupGuard.h"

#include "platform/FileSystemObject.h"
#include "platform/Paths.h"
#include "platform/FileIO.h"
#include "platform/walk/DirListing.h"

#include <fcntl.h>

#include <cerrno>
#include <exception>
#include <filesystem>
#include <vector>

namespace rnx10 {

namespace {

// Runs one step of the cleanup; a step that fails is skipped and the next one runs.
template <typename Step> void ignoringFailure(Step &&step)
{
    try {
        step();
    } catch (const std::exception &) {
    }
}

// Only absolute locations: a relative one would depend on the host program's working folder.
bool isAbsolute(const std::string &path) { return !path.empty() && path.front() == '/'; }

// True when sub-folder name of the folder open as dir is the mount point of another file system
// (a bind mount included): the cleanup never reaches into one, and leaves the mount point itself too.
bool isMountPointIn(const Descriptor &dir, const std::string &name)
{
    if (!dir.valid())
        return false;
    const Descriptor sub(walk::tryOpenFolderSameMount(dir.get(), name.c_str()));
    return !sub.valid() && errno == EXDEV;
}

std::vector<std::string> listed(FileSystemObject &fs, const std::string &path, bool folders)
{
    std::vector<std::string> names;
    ignoringFailure([&] {
        names = folders ? fs.subFolders(path) : fs.files(path);
    });
    return names;
}

void emptyGoingPast(FileSystemObject &fs, const std::string &folder, bool withFiles, Leftovers *left);

void note(Leftovers *left, const std::string &path)
{
    if (left)
        left->note(path);
}

// Deletes entry name of folder. A folder that cannot go whole is emptied entry by entry (a link
// never entered) and tried again; whatever still stays is noted, the deepest entries first.
// dir is folder, opened once for all its entries.
void removeGoingPast(FileSystemObject &fs, const std::string &folder, const Descriptor &dir, const std::string &name,
                     bool isFolder, Leftovers *left)
{
    const std::string path = joinPath(folder, name);
    if (isFolder && isMountPointIn(dir, name))
        return; // another file system: left as it is
    bool removed = false;
    ignoringFailure([&] {
        isFolder ? fs.deleteFolder(path, true) : fs.deleteFile(path, true);
        removed = true;
    });
    if (removed)
        return;
    bool link = true;
    ignoringFailure([&] { link = fs.isLink(path); });
    const std::size_t before = left ? left->count : 0;
    if (isFolder && !link) {
        emptyGoingPast(fs, path, true, left);
        ignoringFailure([&] {
            fs.deleteFolder(path, true);
            removed = true;
        });
    }
    if (!removed && (!left || left->count == before))
        note(left, path);
}

void emptyGoingPast(FileSystemObject &fs, const std::string &folder, bool withFiles, Leftovers *left)
{
    const Descriptor dir(walk::tryOpenFolderAt(AT_FDCWD, folder.c_str()));
    for (const std::string &name : listed(fs, folder, true))
        removeGoingPast(fs, folder, dir, name, true, left);
    if (!withFiles)
        return;
    for (const std::string &name : listed(fs, folder, false))
        removeGoingPast(fs, folder, dir, name, false, left);
}

} // namespace

bool isCleanableFolder(FileSystemObject &fs, const std::string &path)
{
    bool cleanable = false;
    ignoringFailure([&] {
        cleanable = isAbsolute(path) && !fs.isLink(path) && fs.folderExists(path)
                    && !isProtectedFolder(path);
    });
    return cleanable;
}

void resetFolder(FileSystemObject &fs, const std::string &path, Leftovers *left)
{
    // A link goes as a link (the file-system layer sees to that); "/", both homes and their
    // ancestors are not even asked for, whatever the layer would answer.
    if (!isAbsolute(path) || (!fs.isLink(path) && isProtectedFolder(path)))
        return;
    bool gone = false;
    ignoringFailure([&] {
        if (fs.folderExists(path))
            fs.deleteFolder(path, true);
        gone = true;
    });
    // Something in it could not be deleted: the rest still goes, entry by entry.
    if (!gone)
        emptyFolder(fs, path, true, left);
    ignoringFailure([&] { fs.createFolder(path); });
}

void emptyFolder(FileSystemObject &fs, const std::string &path, bool withFiles, Leftovers *left)
{
    if (isCleanableFolder(fs, path))
        emptyGoingPast(fs, path, withFiles, left);
}

std::string besideTempFolder(FileSystemObject &fs, const std::string &temp, const std::string &name)
{
    // A user temporary folder that may not be emptied says nothing trustworthy about its parent.
    if (!isCleanableFolder(fs, temp))
        return {};
    const std::string folder = withoutTrailingSlashes(std::filesystem::path(temp).lexically_normal().string());
    const std::string parent = parentPath(folder);
    return parent.empty() ? std::string() : joinPath(parent, name);
}

} // namespace rnx10

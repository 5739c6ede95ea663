#include "platform/FileSystemObject.h"

#include "automation/AutomationError.h"
#include "platform/FileIO.h"
#include "platform/Paths.h"
#include "platform/walk/FolderWalk.h"
#include "platform/walk/HeldFolder.h"

#include <fcntl.h>
#include <pwd.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace rnx10 {

std::string passwordHomeFolder()
{
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd *found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found || !entry.pw_dir)
        return {};
    return entry.pw_dir;
}

namespace {

std::string homeFolder()
{
    const char *home = std::getenv("HOME");
    if (home && *home)
        return home;
    if (const passwd *pw = ::getpwuid(::getuid()))
        return pw->pw_dir ? pw->pw_dir : "";
    return {};
}

EntryStatus::Type typeOf(mode_t mode)
{
    if (S_ISDIR(mode))
        return EntryStatus::Type::Folder;
    if (S_ISREG(mode))
        return EntryStatus::Type::File;
    if (S_ISLNK(mode))
        return EntryStatus::Type::Link;
    return EntryStatus::Type::Other;
}

// The names of a .hidden list, one a line.
bool listsName(const std::string &list, const std::string &name)
{
    std::size_t start = 0;
    while (start < list.size()) {
        std::size_t end = list.find('\n', start);
        if (end == std::string::npos)
            end = list.size();
        if (list.compare(start, end - start, name) == 0)
            return true;
        start = end + 1;
    }
    return false;
}

} // namespace

bool isProtectedFolder(const std::string &path)
{
    std::string real = realPath(path);
    if (real.empty())
        return false;
    if (real == "/")
        return true;
    // HOME may point elsewhere (sudo, a service, a script): the password entry's home counts too.
    for (const std::string &home : {homeFolder(), passwordHomeFolder()})
        for (const std::string &spelling : {home, realPath(home)})
            if (!spelling.empty() && isInside(spelling, real))
                return true;
    return false;
}

bool FileSystemObject::folderExists(const std::string &path)
{
    struct stat st{};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool FileSystemObject::fileExists(const std::string &path)
{
    struct stat st{};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

std::optional<EntryStatus> FileSystemObject::status(const std::string &path, bool followLinks)
{
    struct stat st{};
    if (path.empty() || (followLinks ? ::stat(path.c_str(), &st) : ::lstat(path.c_str(), &st)) != 0)
        return std::nullopt;
    return EntryStatus{typeOf(st.st_mode), static_cast<unsigned>(st.st_mode & 07777), static_cast<std::uint64_t>(st.st_dev)};
}

bool FileSystemObject::entryExists(const std::string &path) { return status(path, false).has_value(); }

bool FileSystemObject::isLink(const std::string &path)
{
    const auto st = status(withoutTrailingSlashes(path), false);
    return st && st->type == EntryStatus::Type::Link;
}

void FileSystemObject::setMode(const std::string &path, unsigned mode)
{
    if (::chmod(path.c_str(), static_cast<mode_t>(mode)) != 0)
        throw err::fromErrno(errno, path);
}

void FileSystemObject::createFolder(const std::string &path)
{
    if (path.empty())
        throw err::pathNotFound("empty folder name");
    if (::mkdir(path.c_str(), 0777) != 0) {
        if (errno == EEXIST)
            throw err::fileExists(path);
        throw err::fromErrno(errno, path);
    }
}

std::string FileSystemObject::createUniqueFolder(const std::string &parent, const std::string &prefix)
{
    std::string name = joinPath(parent, prefix + "XXXXXX");
    if (!::mkdtemp(name.data()))
        throw err::fromErrno(errno, parent);
    return name;
}

void FileSystemObject::rename(const std::string &from, const std::string &to)
{
    if (::rename(from.c_str(), to.c_str()) != 0)
        throw err::fromErrno(errno, to);
}

bool FileSystemObject::exchange(const std::string &a, const std::string &b)
{
    if (::renameat2(AT_FDCWD, a.c_str(), AT_FDCWD, b.c_str(), RENAME_EXCHANGE) == 0)
        return true;
    if (errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP)
        return false;
    throw err::fromErrno(errno, b);
}

void FileSystemObject::deleteFolder(const std::string &path, bool force)
{
    if (path.empty())
        throw err::pathNotFound("empty folder name");
    // "link/" names the link's target; the link itself is what is meant.
    const std::string itself = withoutTrailingSlashes(path);
    if (isLink(itself)) {
        // The link goes, never what it points at.
        if (::unlink(itself.c_str()) != 0)
            throw err::fromErrno(errno, path);
        return;
    }
    if (isProtectedFolder(path))
        throw err::permissionDenied("refusing to delete " + path);
    if (!folderExists(path))
        throw err::pathNotFound(path);
    walk::removeTree(path, force);
}

void FileSystemObject::deleteOpenedFolder(const Descriptor &parent, const std::string &name, const Descriptor &folder,
                                          const std::string &path, bool force)
{
    walk::removeHeldTree(parent, name.c_str(), folder, path, force);
}

void FileSystemObject::deleteFile(const std::string &path, bool /*force*/)
{
    struct stat st{};
    if (path.empty() || ::lstat(path.c_str(), &st) != 0)
        throw err::fileNotFound(path);
    if (S_ISDIR(st.st_mode))
        throw err::fileNotFound(path);
    // Removing a file needs write permission on its folder only, so force needs nothing more here.
    if (::unlink(path.c_str()) != 0)
        throw err::fromErrno(errno, path);
}

void FileSystemObject::copyFolder(const std::string &source, const std::string &destination, bool overwrite)
{
    if (!folderExists(source))
        throw err::pathNotFound(source);
    walk::copyTree(source, destination, overwrite);
}

std::uint64_t FileSystemObject::folderSize(const std::string &path)
{
    if (path.empty())
        throw err::pathNotFound("empty folder name");
    return walk::treeSize(path);
}

std::vector<std::string> FileSystemObject::subFolders(const std::string &path)
{
    std::vector<std::string> names;
    for (auto &e : walk::list(path))
        if (e.isFolder)
            names.push_back(std::move(e.name));
    return names;
}

std::vector<std::string> FileSystemObject::files(const std::string &path)
{
    std::vector<std::string> names;
    for (auto &e : walk::list(path))
        if (!e.isFolder)
            names.push_back(std::move(e.name));
    return names;
}

void FileSystemObject::markHiddenOnly(const std::string &path)
{
    struct stat st{};
    if (::stat(path.c_str(), &st) != 0)
        throw err::fromErrno(errno, path);
    ::chmod(path.c_str(), (st.st_mode & 07777) | S_IWUSR);

    std::string parent = parentPath(path);
    std::string name = baseName(path);
    // .hidden holds one name a line: a name with a line break cannot be listed there.
    if (parent.empty() || name.empty() || name == "/" || name.find('\n') != std::string::npos)
        return;
    const std::string listFile = joinPath(parent, ".hidden");
    // The list only helps file managers: one that cannot be read is started afresh.
    std::string list;
    try {
        list = readFileIfExists(listFile).value_or(std::string());
    } catch (const AutomationError &) {
    }
    if (listsName(list, name))
        return;
    if (!list.empty() && list.back() != '\n')
        list += '\n';
    atomicReplace(listFile, list + name + "\n");
}

} // namespace rnx10

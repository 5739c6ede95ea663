#include "platform/FileSystemObject.h"

#include "automation/AutomationError.h"
#include "platform/walk/FolderWalk.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace rnx10 {

std::string joinPath(const std::string &folder, const std::string &name)
{
    if (folder.empty())
        return name;
    if (folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

std::string parentPath(const std::string &path)
{
    std::string p = path;
    while (p.size() > 1 && p.back() == '/')
        p.pop_back();
    auto slash = p.rfind('/');
    if (slash == std::string::npos || p == "/")
        return {};
    return slash == 0 ? "/" : p.substr(0, slash);
}

std::string baseName(const std::string &path)
{
    std::string p = path;
    while (p.size() > 1 && p.back() == '/')
        p.pop_back();
    auto slash = p.rfind('/');
    return slash == std::string::npos ? p : p.substr(slash + 1);
}

std::string realPath(const std::string &path)
{
    char *resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved)
        return {};
    std::string result(resolved);
    std::free(resolved);
    return result;
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

bool isSameOrAncestor(const std::string &candidate, const std::string &of)
{
    if (candidate.empty() || of.empty())
        return false;
    if (candidate == "/" || candidate == of)
        return true;
    return of.compare(0, candidate.size(), candidate) == 0 && of.size() > candidate.size() && of[candidate.size()] == '/';
}

bool isLink(const std::string &path)
{
    struct stat st{};
    return ::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

} // namespace

bool isProtectedFolder(const std::string &path)
{
    std::string real = realPath(path);
    if (real.empty())
        return false;
    if (real == "/")
        return true;
    for (const std::string &home : {homeFolder(), realPath(homeFolder())})
        if (isSameOrAncestor(real, home))
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

void FileSystemObject::deleteFolder(const std::string &path, bool force)
{
    if (path.empty())
        throw err::pathNotFound("empty folder name");
    // "link/" names the link's target; the link itself is what is meant.
    std::string itself = path;
    while (itself.size() > 1 && itself.back() == '/')
        itself.pop_back();
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
    std::string listFile = joinPath(parent, ".hidden");
    std::ifstream in(listFile, std::ios::binary);
    std::string line;
    std::ostringstream kept;
    while (std::getline(in, line)) {
        if (line == name)
            return; // already listed once
        kept << line << '\n';
    }
    in.close();
    std::string content = kept.str() + name + "\n";
    std::string temp = listFile + ".tmp-rnx10";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out << content;
        if (!out.flush())
            throw err::permissionDenied(listFile);
    }
    if (::rename(temp.c_str(), listFile.c_str()) != 0) {
        int e = errno;
        ::unlink(temp.c_str());
        throw err::fromErrno(e, listFile);
    }
}

} // namespace rnx10

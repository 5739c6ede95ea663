#include "platform/FolderWalk.h"

#include "automation/AutomationError.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace rnx10::walk {

namespace {

class Fd {
public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    ~Fd() { if (m_fd >= 0) ::close(m_fd); }
    Fd(Fd &&o) noexcept : m_fd(o.m_fd) { o.m_fd = -1; }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    Fd &operator=(Fd &&o) noexcept
    {
        if (this != &o) {
            if (m_fd >= 0)
                ::close(m_fd);
            m_fd = o.m_fd;
            o.m_fd = -1;
        }
        return *this;
    }
    int get() const { return m_fd; }
    int release() { int fd = m_fd; m_fd = -1; return fd; }

private:
    int m_fd;
};

[[noreturn]] void fail(int e, const std::string &path) { throw err::fromErrno(e, path); }

Fd openFolder(int parent, const char *name, const std::string &pathForErrors)
{
    int fd = ::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        fail(errno, pathForErrors);
    return Fd(fd);
}

bool isFolderEntry(int dirFd, const dirent *d)
{
    if (d->d_type != DT_UNKNOWN)
        return d->d_type == DT_DIR;
    struct stat st{};
    return ::fstatat(dirFd, d->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode);
}

bool isDot(const char *n) { return n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0)); }

// Reads a folder's entries from an open descriptor; the descriptor is consumed.
std::vector<Entry> readEntries(Fd fd, const std::string &path)
{
    DIR *dir = ::fdopendir(fd.get());
    if (!dir)
        fail(errno, path);
    fd.release();
    std::vector<Entry> entries;
    errno = 0;
    while (dirent *d = ::readdir(dir)) {
        if (!isDot(d->d_name))
            entries.push_back({d->d_name, isFolderEntry(::dirfd(dir), d)});
        errno = 0;
    }
    int e = errno;
    ::closedir(dir);
    if (e)
        fail(e, path);
    return entries;
}

std::vector<Entry> listAt(int parent, const char *name, const std::string &path)
{
    return readEntries(openFolder(parent, name, path), path);
}

std::uint64_t sizeAt(int parent, const char *name, const std::string &path)
{
    Fd fd = openFolder(parent, name, path);
    int self = ::dup(fd.get());
    Fd keep(self);
    std::uint64_t total = 0;
    for (const Entry &e : readEntries(std::move(fd), path)) {
        std::string child = path + "/" + e.name;
        if (e.isFolder) {
            total += sizeAt(keep.get(), e.name.c_str(), child);
            continue;
        }
        struct stat st{};
        if (::fstatat(keep.get(), e.name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            fail(errno, child);
        if (S_ISREG(st.st_mode))
            total += static_cast<std::uint64_t>(st.st_size);
    }
    return total;
}

// Makes a folder writable and searchable by its owner so its entries can be removed.
void allowWrite(int parent, const char *name)
{
    struct stat st{};
    if (::fstatat(parent, name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode))
        ::fchmodat(parent, name, (st.st_mode & 07777) | S_IRWXU, 0);
}

void removeAt(int parent, const char *name, const std::string &path, bool force)
{
    Fd fd(::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (fd.get() < 0 && errno == EACCES && force) {
        allowWrite(parent, name);
        fd = Fd(::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    }
    if (fd.get() < 0)
        fail(errno, path);
    if (force)
        allowWrite(parent, name);
    Fd keep(::dup(fd.get()));
    for (const Entry &e : readEntries(std::move(fd), path)) {
        std::string child = path + "/" + e.name;
        if (e.isFolder)
            removeAt(keep.get(), e.name.c_str(), child, force);
        else if (::unlinkat(keep.get(), e.name.c_str(), 0) != 0)
            fail(errno, child);
    }
    if (::unlinkat(parent, name, AT_REMOVEDIR) != 0)
        fail(errno, path);
}

void copyFile(int srcDir, int dstDir, const char *name, const struct stat &st, const std::string &path, bool overwrite)
{
    Fd in(::openat(srcDir, name, O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (in.get() < 0)
        fail(errno, path);
    int flags = O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC | (overwrite ? 0 : O_EXCL);
    Fd out(::openat(dstDir, name, flags, S_IRUSR | S_IWUSR));
    if (out.get() < 0 && errno == EACCES && overwrite) {
        ::fchmodat(dstDir, name, S_IRUSR | S_IWUSR, 0);
        out = Fd(::openat(dstDir, name, flags, S_IRUSR | S_IWUSR));
    }
    if (out.get() < 0)
        fail(errno, path);
    off_t left = st.st_size;
    while (left > 0) {
        ssize_t n = ::copy_file_range(in.get(), nullptr, out.get(), nullptr, static_cast<size_t>(left), 0);
        if (n < 0 && (errno == EXDEV || errno == ENOSYS || errno == EINVAL)) {
            char buf[1 << 16];
            n = ::read(in.get(), buf, sizeof buf);
            if (n > 0 && ::write(out.get(), buf, static_cast<size_t>(n)) != n)
                fail(errno ? errno : EIO, path);
        }
        if (n < 0)
            fail(errno, path);
        if (n == 0)
            break;
        left -= n;
    }
    ::fchmod(out.get(), st.st_mode & 07777);
    struct timespec times[2] = {st.st_atim, st.st_mtim};
    ::futimens(out.get(), times);
}

void copyLink(int srcDir, int dstDir, const char *name, const std::string &path, bool overwrite)
{
    std::string target(4096, '\0');
    ssize_t n = ::readlinkat(srcDir, name, target.data(), target.size());
    if (n < 0)
        fail(errno, path);
    target.resize(static_cast<size_t>(n));
    if (overwrite)
        ::unlinkat(dstDir, name, 0);
    if (::symlinkat(target.c_str(), dstDir, name) != 0)
        fail(errno, path);
}

void copyInto(int srcDir, int dstDir, const std::string &srcPath, const std::string &dstPath, bool overwrite)
{
    Fd keep(::dup(srcDir));
    Fd listing(::dup(srcDir));
    ::lseek(listing.get(), 0, SEEK_SET);
    for (const Entry &e : readEntries(std::move(listing), srcPath)) {
        std::string from = srcPath + "/" + e.name;
        std::string to = dstPath + "/" + e.name;
        struct stat st{};
        if (::fstatat(keep.get(), e.name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            fail(errno, from);
        if (S_ISDIR(st.st_mode)) {
            if (::mkdirat(dstDir, e.name.c_str(), S_IRWXU) != 0 && errno != EEXIST)
                fail(errno, to);
            Fd childSrc = openFolder(keep.get(), e.name.c_str(), from);
            Fd childDst = openFolder(dstDir, e.name.c_str(), to);
            copyInto(childSrc.get(), childDst.get(), from, to, overwrite);
            ::fchmod(childDst.get(), st.st_mode & 07777);
        } else if (S_ISLNK(st.st_mode)) {
            copyLink(keep.get(), dstDir, e.name.c_str(), to, overwrite);
        } else if (S_ISREG(st.st_mode)) {
            copyFile(keep.get(), dstDir, e.name.c_str(), st, to, overwrite);
        }
        // Sockets, pipes and devices are not backed-up content: skipped.
    }
}

void foldersAt(int parent, const char *name, const std::string &path,
               const std::function<bool(const std::string &)> &visit, bool &stop)
{
    Fd fd = openFolder(parent, name, path);
    Fd keep(::dup(fd.get()));
    for (const Entry &e : readEntries(std::move(fd), path)) {
        if (stop || !e.isFolder)
            continue;
        std::string child = path == "/" ? "/" + e.name : path + "/" + e.name;
        if (!visit(child)) {
            stop = true;
            return;
        }
        foldersAt(keep.get(), e.name.c_str(), child, visit, stop);
    }
}

} // namespace

std::vector<Entry> list(const std::string &path) { return listAt(AT_FDCWD, path.c_str(), path); }

std::uint64_t treeSize(const std::string &path) { return sizeAt(AT_FDCWD, path.c_str(), path); }

void removeTree(const std::string &path, bool force) { removeAt(AT_FDCWD, path.c_str(), path, force); }

void copyTree(const std::string &source, const std::string &destination, bool overwrite)
{
    Fd src = openFolder(AT_FDCWD, source.c_str(), source);
    if (::mkdir(destination.c_str(), S_IRWXU) != 0 && errno != EEXIST)
        fail(errno, destination);
    Fd dst = openFolder(AT_FDCWD, destination.c_str(), destination);
    copyInto(src.get(), dst.get(), source, destination, overwrite);
}

void forEachFolder(const std::string &root, const std::function<bool(const std::string &)> &visit)
{
    bool stop = false;
    foldersAt(AT_FDCWD, root.c_str(), root, visit, stop);
}

} // namespace rnx10::walk

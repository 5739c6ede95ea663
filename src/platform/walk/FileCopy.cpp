#include "platform/walk/FileCopy.h"

#include "automation/AutomationError.h"
#include "platform/FileIO.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fstream>

namespace rnx10::walk {

namespace {

// The process's umask without changing it (umask(2) would race with other threads).
unsigned currentUmask()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "Umask:") {
            unsigned mask = 07777;
            status >> std::oct >> mask;
            return mask;
        }
    }
    return 07777;
}

[[noreturn]] void fail(int e, const std::function<std::string()> &path) { throw err::fromErrno(e, path()); }

Descriptor openTarget(int dstDir, const char *name, mode_t mode, bool overwrite, bool &created,
                      const std::function<std::string()> &dstPath)
{
    created = true;
    int fd = ::openat(dstDir, name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd >= 0)
        return Descriptor(fd);
    if (errno != EEXIST)
        fail(errno, dstPath);
    if (!overwrite)
        throw err::fileExists(dstPath());
    created = false;
    fd = ::openat(dstDir, name, O_WRONLY | O_TRUNC | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0 && errno == EACCES) {
        ::fchmodat(dstDir, name, S_IRUSR | S_IWUSR, 0);
        fd = ::openat(dstDir, name, O_WRONLY | O_TRUNC | O_NOFOLLOW | O_CLOEXEC);
    }
    if (fd < 0)
        fail(errno, dstPath);
    return Descriptor(fd);
}

// Gives the copy the source's owner and group where allowed; true when it changed them (which
// clears the set-id bits: the mode is set again after).
template <typename Chown>
bool keepOwner(const struct stat &source, Chown chown)
{
    static const uid_t ownUser = ::geteuid();
    static const gid_t ownGroup = ::getegid();
    if (source.st_uid == ownUser && source.st_gid == ownGroup)
        return false; // what a new entry gets anyway: no call needed
    if (chown(source.st_uid, source.st_gid) == 0)
        return true;
    return source.st_gid != ownGroup && chown(static_cast<uid_t>(-1), source.st_gid) == 0;
}

bool copyUnsupported(int e) { return e == EXDEV || e == ENOSYS || e == EINVAL || e == EOPNOTSUPP; }

} // namespace

void keepAttributesAt(int dir, const char *name, const struct stat &source)
{
    keepOwner(source, [&](uid_t u, gid_t g) { return ::fchownat(dir, name, u, g, AT_SYMLINK_NOFOLLOW); });
    if (!S_ISLNK(source.st_mode))
        ::fchmodat(dir, name, source.st_mode & 07777, 0);
    const struct timespec times[2] = {source.st_atim, source.st_mtim};
    ::utimensat(dir, name, times, AT_SYMLINK_NOFOLLOW);
}

void keepAttributes(int fd, const struct stat &source)
{
    keepOwner(source, [&](uid_t u, gid_t g) { return ::fchown(fd, u, g); });
    ::fchmod(fd, source.st_mode & 07777);
    const struct timespec times[2] = {source.st_atim, source.st_mtim};
    ::futimens(fd, times);
}

FileCopier::FileCopier() : m_umask(currentUmask()) {}

std::uint64_t FileCopier::copyFile(int srcDir, int dstDir, const char *name, bool overwrite,
                                   const std::function<std::string()> &dstPath)
{
    Descriptor in(::openat(srcDir, name, O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY));
    if (!in.valid())
        fail(errno, dstPath);
    struct stat st{};
    if (::fstat(in.get(), &st) != 0)
        fail(errno, dstPath);
    mode_t mode = st.st_mode & 07777;
    bool created = false;
    Descriptor out = openTarget(dstDir, name, mode, overwrite, created, dstPath);
    std::uint64_t size = static_cast<std::uint64_t>(st.st_size);
    copyData(in.get(), out.get(), size, dstPath);
    const bool ownerChanged = keepOwner(st, [&](uid_t u, gid_t g) { return ::fchown(out.get(), u, g); });
    // A new file already has its mode unless the umask took bits away or a change of owner the set-id bits.
    if (!created || ownerChanged || (mode & m_umask) != 0)
        ::fchmod(out.get(), mode);
    struct timespec times[2] = {st.st_atim, st.st_mtim};
    ::futimens(out.get(), times);
    return size;
}

void FileCopier::copyData(int in, int out, std::uint64_t size, const std::function<std::string()> &dstPath)
{
    if (size == 0)
        return;
    if (!m_cloneFailed) {
        if (::ioctl(out, FICLONE, in) == 0)
            return;
        m_cloneFailed = true;
    }
    // Only the data is copied, a hole stays a hole (as cp -a keeps sparse files sparse); the
    // size seen at the start is copied, a file that shrinks meanwhile ends the copy early.
    const auto end = static_cast<off_t>(size);
    off_t length = end;
    off_t at = 0;
    while (at < end) {
        off_t data = ::lseek(in, at, SEEK_DATA);
        if (data < 0 && errno == ENXIO)
            break; // a hole to the end
        if (data < 0)
            data = at; // no hole lookup here: everything is data
        off_t hole = ::lseek(in, data, SEEK_HOLE);
        if (hole < 0 || hole > end)
            hole = end;
        const off_t reached = copyRange(in, out, data, hole, dstPath);
        if (reached < hole) {
            length = reached;
            break;
        }
        at = hole;
    }
    // The size, a hole at the end included.
    if (::ftruncate(out, length) != 0)
        fail(errno, dstPath);
}

off_t FileCopier::copyRange(int in, int out, off_t from, off_t to, const std::function<std::string()> &dstPath)
{
    off_t inAt = from;
    off_t outAt = from;
    while (inAt < to) {
        const auto left = static_cast<std::size_t>(to - inAt);
        ssize_t n;
        if (m_inKernel) {
            n = ::copy_file_range(in, &inAt, out, &outAt, left, 0);
            if (n < 0 && copyUnsupported(errno)) {
                m_inKernel = false;
                continue;
            }
        } else {
            char buffer[1 << 16];
            n = ::pread(in, buffer, std::min(left, sizeof buffer), inAt);
            if (n > 0) {
                for (ssize_t done = 0; done < n;) {
                    const ssize_t w = ::pwrite(out, buffer + done, static_cast<std::size_t>(n - done), outAt + done);
                    if (w < 0 && errno == EINTR)
                        continue;
                    if (w <= 0)
                        fail(w < 0 ? errno : EIO, dstPath);
                    done += w;
                }
                inAt += n;
                outAt += n;
            }
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail(errno, dstPath);
        if (n == 0)
            break; // the file ended early
    }
    return inAt;
}

void FileCopier::copyFifo(int srcDir, int dstDir, const char *name, bool overwrite,
                          const std::function<std::string()> &dstPath)
{
    struct stat st{};
    if (::fstatat(srcDir, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        fail(errno, dstPath);
    if (::mkfifoat(dstDir, name, st.st_mode & 07777) != 0) {
        if (errno != EEXIST)
            fail(errno, dstPath);
        if (!overwrite)
            throw err::fileExists(dstPath());
        if (::unlinkat(dstDir, name, 0) != 0 || ::mkfifoat(dstDir, name, st.st_mode & 07777) != 0)
            fail(errno, dstPath);
    }
    keepAttributesAt(dstDir, name, st);
}

void FileCopier::copyLink(int srcDir, int dstDir, const char *name, bool overwrite,
                          const std::function<std::string()> &dstPath)
{
    char target[PATH_MAX + 1];
    ssize_t n = ::readlinkat(srcDir, name, target, PATH_MAX);
    if (n < 0)
        fail(errno, dstPath);
    target[n] = 0;
    if (::symlinkat(target, dstDir, name) != 0 &&
        !(errno == EEXIST && overwrite && ::unlinkat(dstDir, name, 0) == 0 && ::symlinkat(target, dstDir, name) == 0))
        fail(errno, dstPath);
    struct stat st{};
    if (::fstatat(srcDir, name, &st, AT_SYMLINK_NOFOLLOW) == 0)
        keepAttributesAt(dstDir, name, st);
}

} // namespace rnx10::walk

#include "platform/FileIO.h"

#include "automation/AutomationError.h"
#include "platform/Paths.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>

namespace rnx10 {

namespace {

// A new file beside path, made by this call alone: another thread or process replacing the
// same file at the same time writes its own.
std::pair<Descriptor, std::string> createBeside(const std::string &path, unsigned mode)
{
    static std::atomic<unsigned> counter{0};
    const std::string stem = path + ".tmp-" + std::to_string(::getpid()) + "-";
    while (true) {
        std::string temp = stem + std::to_string(counter.fetch_add(1, std::memory_order_relaxed));
        int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0)
            return {Descriptor(fd), std::move(temp)};
        if (errno != EEXIST)
            throw err::fromErrno(errno, path);
    }
}

// The existing file's owner and mode onto the new one; an owner the process may not give is
// left as it is. The owner first: a change of owner clears the set-id bits.
void takeOverAttributes(int fd, const struct stat &existing)
{
    struct stat made{};
    if (::fstat(fd, &made) == 0 && (made.st_uid != existing.st_uid || made.st_gid != existing.st_gid))
        if (::fchown(fd, existing.st_uid, existing.st_gid) != 0)
            (void)::fchown(fd, static_cast<uid_t>(-1), existing.st_gid);
    ::fchmod(fd, existing.st_mode & 07777);
}

// Makes the rename itself survive a crash; a folder that cannot be synced is no failure of the write.
void syncFolderOf(const std::string &path)
{
    const std::string parent = parentPath(path);
    Descriptor folder(::open(parent.empty() ? "." : parent.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.valid())
        ::fsync(folder.get());
}

// Fills the new file and puts it in place; errno of the step that failed, 0 when all went well.
int fillAndRename(Descriptor &fd, const std::string &temp, const std::string &path, std::string_view bytes,
                  const struct stat *existing)
{
    if (existing)
        takeOverAttributes(fd.get(), *existing);
    if (!writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0 || !fd.close() || ::rename(temp.c_str(), path.c_str()) != 0)
        return errno;
    return 0;
}

// The file a link at path leads to, through any further links; path itself when it is no link.
// A relative target is taken from the folder of the link that names it.
std::string endOfLinks(const std::string &path)
{
    constexpr int kMostLinks = 40; // as the kernel allows in one lookup
    std::string at = path;
    for (int i = 0; i < kMostLinks; ++i) {
        struct stat st{};
        if (::lstat(at.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return at;
        std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
        const ssize_t n = ::readlink(at.c_str(), target.data(), target.size());
        if (n < 0)
            throw err::fromErrno(errno, at);
        if (static_cast<std::size_t>(n) == target.size()) // grew since the lstat: look again
            continue;
        target.resize(static_cast<std::size_t>(n));
        at = target.front() == '/' ? target : joinPath(parentPath(at), target);
    }
    throw err::fromErrno(ELOOP, path);
}

} // namespace

Descriptor openFile(const std::string &path, int flags, unsigned mode)
{
    Descriptor fd(::open(path.c_str(), flags | O_CLOEXEC, static_cast<mode_t>(mode)));
    if (!fd.valid())
        throw err::fromErrno(errno, path);
    return fd;
}

bool writeAll(int fd, std::string_view data)
{
    while (!data.empty()) {
        ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool readAll(int fd, std::string &into)
{
    char buffer[1 << 14];
    while (true) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        into.append(buffer, static_cast<std::size_t>(n));
    }
}

std::optional<std::string> readFileIfExists(const std::string &path)
{
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid()) {
        if (errno == ENOENT)
            return std::nullopt;
        throw err::fromErrno(errno, path);
    }
    std::string text;
    if (!readAll(fd.get(), text))
        throw err::fromErrno(errno, path);
    return text;
}

SmallFileText readSmallFile(const std::string &path, std::size_t maxBytes, Links links)
{
    return readSmallFileAt(AT_FDCWD, path.c_str(), maxBytes, links);
}

SmallFileText readSmallFileAt(int dirFd, const char *name, std::size_t maxBytes, Links links)
{
    const int noFollow = links == Links::NoFollow ? O_NOFOLLOW : 0;
    Descriptor fd(::openat(dirFd, name, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | noFollow));
    if (!fd.valid()) {
        if (errno == ENOENT)
            return {SmallFile::Missing};
        if (errno == ELOOP && noFollow)
            return {SmallFile::NotRegular};
        return {SmallFile::Failed, {}, errno};
    }
    struct stat st{};
    if (::fstat(fd.get(), &st) != 0)
        return {SmallFile::Failed, {}, errno};
    if (!S_ISREG(st.st_mode))
        return {SmallFile::NotRegular};
    if (static_cast<std::uintmax_t>(st.st_size) > maxBytes)
        return {SmallFile::TooLarge};
    // The file may grow after the fstat: the read stops one byte past the bound. Once it has given
    // the size the fstat saw, the file is read as it was then, without the read that finds its end.
    SmallFileText result{SmallFile::Read};
    result.text.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[1 << 14];
    while (result.text.size() <= maxBytes) {
        const ssize_t n = ::read(fd.get(), buffer, std::min(sizeof buffer, maxBytes + 1 - result.text.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return {SmallFile::Failed, {}, errno};
        if (n == 0)
            return result;
        result.text.append(buffer, static_cast<std::size_t>(n));
        if (st.st_size > 0 && result.text.size() == static_cast<std::size_t>(st.st_size))
            return result;
    }
    return {SmallFile::TooLarge};
}

void atomicReplace(const std::string &given, std::string_view bytes, unsigned newFileMode, LinkAtPath link)
{
    const std::string path = link == LinkAtPath::WriteTarget ? endOfLinks(given) : given;
    struct stat existing{};
    const bool exists = ::stat(path.c_str(), &existing) == 0;
    auto [fd, temp] = createBeside(path, newFileMode);
    if (int e = fillAndRename(fd, temp, path, bytes, exists ? &existing : nullptr)) {
        ::unlink(temp.c_str());
        throw err::fromErrno(e, path);
    }
    syncFolderOf(path);
}

} // namespace rnx10

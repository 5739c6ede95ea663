#include "platform/walk/DirListing.h"

#include "automation/AutomationError.h"

#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <limits>

namespace rnx10::walk {

namespace {
// Large enough that a typical folder is read in one call; grown for folders that need more.
constexpr std::size_t kInitialBuffer = 64 * 1024;
constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY;
} // namespace

int tryOpenFolderAt(int parent, const char *name) { return ::openat(parent, name, kFolderFlags); }

int tryOpenFolderSameMount(int parent, const char *name)
{
    struct open_how how{};
    how.flags = kFolderFlags;
    how.resolve = RESOLVE_NO_XDEV | RESOLVE_NO_SYMLINKS;
    int fd = static_cast<int>(::syscall(SYS_openat2, parent, name, &how, sizeof how));
    if (fd < 0 && errno == ENOSYS) // kernels before 5.6: no way to tell without a stat
        return tryOpenFolderAt(parent, name);
    return fd;
}

Descriptor openFolderAt(int parent, const char *name, const std::string &pathForErrors)
{
    int fd = tryOpenFolderAt(parent, name);
    if (fd < 0)
        throw err::fromErrno(errno, pathForErrors);
    return Descriptor(fd);
}

EntryType typeAt(int dir, const char *name)
{
    struct statx st{};
    if (::statx(dir, name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, STATX_TYPE, &st) != 0)
        return EntryType::Unknown;
    return static_cast<EntryType>((st.stx_mode & S_IFMT) >> 12);
}

void DirListing::read(int fd, const std::string &path)
{
    if (m_buffer.size() < kInitialBuffer)
        m_buffer.resize(kInitialBuffer);
    m_used = 0;
    for (;;) {
        if (m_buffer.size() - m_used < kInitialBuffer / 2)
            m_buffer.resize(m_buffer.size() * 2);
        long n = ::syscall(SYS_getdents64, fd, m_buffer.data() + m_used, m_buffer.size() - m_used);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw err::fromErrno(errno, path);
        }
        if (n == 0)
            return;
        const std::size_t chunk = m_used;
        m_used += static_cast<std::size_t>(n);
        if (endMarked(chunk))
            return;
    }
}

// A folder read to its end leaves the position after its last entry at the end mark: the
// largest position, which ext4 uses for "nothing more" and never gives an entry (other file
// systems mark the end otherwise, or not at all, and are read on until the empty read). With
// room left for one more entry of any name, the kernel stopped for lack of entries, and the
// empty read that would confirm it (one more call per folder) is saved.
bool DirListing::endMarked(std::size_t chunk) const
{
    constexpr long long kEndOfFolder = std::numeric_limits<long long>::max();
    constexpr std::size_t kLargestRecord = sizeof(Record) + NAME_MAX + 8;
    if (m_buffer.size() - m_used < kLargestRecord)
        return false;
    const Record *last = nullptr;
    for (std::size_t at = chunk; at < m_used; at += last->length)
        last = reinterpret_cast<const Record *>(m_buffer.data() + at);
    return last && last->offset == kEndOfFolder;
}

std::vector<std::string> subFolderNamesAt(int dir, const std::string &path)
{
    DirListing listing;
    listing.read(dir, path);
    std::vector<std::string> names;
    listing.forEach([&](const char *name, EntryType type) {
        if (type == EntryType::Unknown)
            type = typeAt(dir, name);
        if (type == EntryType::Folder)
            names.emplace_back(name);
    });
    return names;
}

} // namespace rnx10::walk

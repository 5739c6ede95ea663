#include "platform/walk/SameContent.h"

#include "automation/AutomationError.h"
#include "platform/FileIO.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace rnx10::walk {

namespace {

constexpr std::size_t kBlock = std::size_t(1) << 20; // large enough that the disk, not the calls, sets the pace

Descriptor openRegular(int dir, const char *name, const std::string &path)
{
    // Non-blocking: a FIFO swapped in since the listing must not hold the comparison up.
    Descriptor fd(::openat(dir, name, O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!fd.valid())
        throw err::fromErrno(errno, path);
    struct stat st{};
    if (::fstat(fd.get(), &st) != 0)
        throw err::fromErrno(errno, path);
    if (!S_ISREG(st.st_mode))
        throw err::pathFileAccess(path + " is no longer a regular file");
    ::posix_fadvise(fd.get(), 0, 0, POSIX_FADV_SEQUENTIAL);
    return fd;
}

// Fills buffer as far as the file goes; the bytes read (fewer than kBlock only at its end).
std::size_t readBlock(int fd, char *buffer, const std::string &path)
{
    std::size_t got = 0;
    while (got < kBlock) {
        const ssize_t n = ::read(fd, buffer + got, kBlock - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw err::fromErrno(errno, path);
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    return got;
}

} // namespace

bool ContentCheck::same(int a, int b, const char *name, const std::string &pathA, const std::string &pathB,
                        std::string &failed)
{
    failed = pathA;
    const Descriptor fileA = openRegular(a, name, pathA);
    failed = pathB;
    const Descriptor fileB = openRegular(b, name, pathB);
    if (!m_blocks)
        m_blocks = std::make_unique<char[]>(2 * kBlock);
    char *const blockA = m_blocks.get();
    char *const blockB = blockA + kBlock;
    for (;;) {
        failed = pathA;
        const std::size_t gotA = readBlock(fileA.get(), blockA, pathA);
        failed = pathB;
        const std::size_t gotB = readBlock(fileB.get(), blockB, pathB);
        if (gotA != gotB || std::memcmp(blockA, blockB, gotA) != 0)
            return false;
        if (gotA < kBlock)
            return true;
    }
}

} // namespace rnx10::walk

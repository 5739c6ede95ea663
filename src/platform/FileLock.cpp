#include "platform/FileLock.h"

#include "automation/AutomationError.h"

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>

namespace rnx10 {

std::optional<FileLock> FileLock::hold(const std::string &path, Wait wait)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0 && (errno == ENOTDIR || errno == ENOENT))
        fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        throw err::fromErrno(errno, path);
    Descriptor held(fd);
    const int operation = LOCK_EX | (wait == Wait::No ? LOCK_NB : 0);
    int locked;
    do
        locked = ::flock(held.get(), operation);
    while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        if (errno == EWOULDBLOCK)
            return std::nullopt;
        // A file system without locks (some network ones) gives none: the work goes on as before.
        if (errno != ENOLCK && errno != EOPNOTSUPP)
            throw err::fromErrno(errno, path);
    }
    return FileLock(std::move(held));
}

} // namespace rnx10

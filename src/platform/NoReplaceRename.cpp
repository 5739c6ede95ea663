#include "platform/NoReplaceRename.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace rnx10 {

namespace {

bool unsupported(int e) { return e == EINVAL || e == ENOSYS || e == EOPNOTSUPP; }

// Moves onto a claim of ours; the claim goes again when the move fails.
int ontoClaim(const std::string &from, const std::string &to, bool folder)
{
    if (::rename(from.c_str(), to.c_str()) == 0)
        return 0;
    const int e = errno;
    if (folder)
        ::rmdir(to.c_str());
    else
        ::unlink(to.c_str());
    return e;
}

int folderFallback(const std::string &from, const std::string &to)
{
    // An empty folder of our own is the one thing a rename may replace; anything put there
    // meanwhile (ENOTEMPTY, ENOTDIR) makes the rename fail instead.
    if (::mkdir(to.c_str(), S_IRWXU) != 0)
        return errno;
    return ontoClaim(from, to, true);
}

int otherFallback(const std::string &from, const std::string &to)
{
    if (::link(from.c_str(), to.c_str()) == 0) {
        ::unlink(from.c_str());
        return 0;
    }
    if (errno != EPERM && errno != EOPNOTSUPP && errno != ENOSYS && errno != EMLINK)
        return errno;
    // No hard links here: claim the name with a new empty file, then rename over it.
    const int fd = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno;
    ::close(fd);
    return ontoClaim(from, to, false);
}

} // namespace

int renameNoReplace(const std::string &from, const std::string &to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (!unsupported(errno))
        return errno;
    struct stat st{};
    if (::lstat(from.c_str(), &st) != 0)
        return errno;
    return S_ISDIR(st.st_mode) ? folderFallback(from, to) : otherFallback(from, to);
}

int moveNoReplace(const std::string &from, const std::string &to)
{
    struct stat st{};
    const bool madeWritable = ::lstat(from.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid()
                              && (st.st_mode & S_IWUSR) == 0 && ::chmod(from.c_str(), (st.st_mode & 07777) | S_IWUSR) == 0;
    const int failure = renameNoReplace(from, to);
    if (madeWritable)
        ::chmod((failure == 0 ? to : from).c_str(), st.st_mode & 07777);
    return failure;
}

} // namespace rnx10

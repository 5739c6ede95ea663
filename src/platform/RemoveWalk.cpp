// removeTree: files unlinked relative to their folder's descriptor, folders removed on the way back up.
#include "platform/FolderWalk.h"

#include "platform/FileSystemObject.h"
#include "platform/TreeWalker.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

namespace rnx10::walk {

namespace {

// Gives the owner full rights on folder name in dir, or on dir itself for "", so its entries can be
// listed and removed. False when that changes nothing.
bool allowOwner(int dir, const char *name)
{
    struct stat st{};
    if (::fstatat(dir, name, &st, AT_SYMLINK_NOFOLLOW | AT_EMPTY_PATH) != 0 || !S_ISDIR(st.st_mode))
        return false;
    if ((st.st_mode & S_IRWXU) == S_IRWXU)
        return false;
    mode_t mode = (st.st_mode & 07777) | S_IRWXU;
    return (*name ? ::fchmodat(dir, name, mode, 0) : ::fchmod(dir, mode)) == 0;
}

bool deniedErrno(int e) { return e == EACCES || e == EPERM; }

class RemoveVisitor : public TreeVisitor {
public:
    explicit RemoveVisitor(bool force) : m_force(force) {}

    void entry(TreeWalker &at, const char *name, EntryType) override { unlinkIn(at, name, 0); }

    Descriptor open(TreeWalker &at, const char *name) override
    {
        int fd = tryOpenFolderAt(at.fd(), name);
        if (fd < 0 && m_force && deniedErrno(errno) && allowOwner(at.fd(), name))
            fd = tryOpenFolderAt(at.fd(), name);
        if (fd < 0)
            throw err::fromErrno(errno, at.childPath(name));
        return Descriptor(fd);
    }

    void leave(TreeWalker &at, const char *name) override { unlinkIn(at, name, AT_REMOVEDIR); }

private:
    // Removing an entry needs write access to its folder: with force, the folder is given it once.
    void unlinkIn(TreeWalker &at, const char *name, int flags)
    {
        if (::unlinkat(at.fd(), name, flags) == 0)
            return;
        int e = errno;
        if (m_force && deniedErrno(e) && allowOwner(at.fd(), "") && ::unlinkat(at.fd(), name, flags) == 0)
            return;
        if (e != ENOENT) // gone already: nothing left to do
            throw err::fromErrno(e, at.childPath(name));
    }

    bool m_force;
};

Descriptor openRoot(const std::string &path, bool force)
{
    int fd = tryOpenFolderAt(AT_FDCWD, path.c_str());
    if (fd < 0 && force && deniedErrno(errno) && allowOwner(AT_FDCWD, path.c_str()))
        fd = tryOpenFolderAt(AT_FDCWD, path.c_str());
    if (fd < 0)
        throw err::fromErrno(errno, path);
    return Descriptor(fd);
}

} // namespace

void removeTree(const std::string &path, bool force, WalkProgress *progress)
{
    if (isProtectedFolder(path))
        throw err::permissionDenied("refusing to delete " + path);
    RemoveVisitor visitor(force);
    TreeWalker walker(visitor, progress);
    walker.run(openRoot(path, force), path);
    if (::unlinkat(AT_FDCWD, path.c_str(), AT_REMOVEDIR) != 0)
        throw err::fromErrno(errno, path);
}

} // namespace rnx10::walk

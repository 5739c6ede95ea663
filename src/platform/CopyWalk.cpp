// copyTree: a two-tree walk, each destination folder made and opened relative to its parent.
#include "platform/FolderWalk.h"

#include "platform/FileCopy.h"
#include "platform/TreeWalker.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cerrno>

namespace rnx10::walk {

namespace {

class CopyVisitor : public TreeVisitor {
public:
    CopyVisitor(const std::string &source, const std::string &destination, bool overwrite, WalkProgress *progress,
                const struct stat &destinationRoot)
        : m_source(source), m_destination(destination), m_overwrite(overwrite), m_progress(progress),
          m_destinationRoot(destinationRoot)
    {
    }

    void entry(TreeWalker &at, const char *name, EntryType type) override
    {
        auto target = [&] { return destinationPath(at, name); };
        if (type == EntryType::File) {
            std::uint64_t n = m_copier.copyFile(at.fd(), at.twin(), name, m_overwrite, target);
            if (m_progress)
                m_progress->bytes.fetch_add(n, std::memory_order_relaxed);
        } else if (type == EntryType::Link) {
            m_copier.copyLink(at.fd(), at.twin(), name, m_overwrite, target);
        }
        // Sockets, pipes and devices are not backed-up content: skipped.
    }

    bool enter(TreeWalker &at, const char *name) override
    {
        struct statx st{};
        if (::statx(at.fd(), name, AT_SYMLINK_NOFOLLOW, STATX_MODE | STATX_INO, &st) != 0)
            throw err::fromErrno(errno, at.childPath(name));
        // A destination inside the source is not copied into itself.
        if (st.stx_ino == m_destinationRoot.st_ino && makedev(st.stx_dev_major, st.stx_dev_minor) == m_destinationRoot.st_dev)
            return false;
        if (::mkdirat(at.twin(), name, S_IRWXU) != 0 && errno != EEXIST)
            throw err::fromErrno(errno, destinationPath(at, name));
        m_modes.push_back(st.stx_mode & 07777);
        return true;
    }

    int openTwin(TreeWalker &at, const char *name) override
    {
        return openFolderAt(at.twin(), name, destinationPath(at, name)).release();
    }

    // The folder's own mode last, so a read-only folder is filled before it becomes read-only.
    void leave(TreeWalker &at, const char *name) override
    {
        ::fchmodat(at.twin(), name, m_modes.back(), 0);
        m_modes.pop_back();
    }

private:
    std::string destinationPath(const TreeWalker &at, const char *name) const
    {
        std::string below = at.childPath(name).substr(m_source.size());
        if (below.front() != '/' && (m_destination.empty() || m_destination.back() != '/'))
            below.insert(0, 1, '/');
        return m_destination + below;
    }

    const std::string &m_source;
    const std::string &m_destination;
    bool m_overwrite;
    WalkProgress *m_progress;
    struct stat m_destinationRoot;
    FileCopier m_copier;
    std::vector<mode_t> m_modes; // of the folders entered and not yet left
};

} // namespace

void copyTree(const std::string &source, const std::string &destination, bool overwrite, WalkProgress *progress)
{
    Descriptor src = openFolderAt(AT_FDCWD, source.c_str(), source);
    if (::mkdir(destination.c_str(), S_IRWXU) != 0 && errno != EEXIST)
        throw err::fromErrno(errno, destination);
    Descriptor dst = openFolderAt(AT_FDCWD, destination.c_str(), destination);
    struct stat root{};
    if (::fstat(dst.get(), &root) != 0)
        throw err::fromErrno(errno, destination);
    CopyVisitor visitor(source, destination, overwrite, progress, root);
    // Each level holds a source and a destination descriptor.
    TreeWalker walker(visitor, progress, TreeWalker::kDefaultBudget / 2);
    walker.run(std::move(src), source, std::move(dst));
}

} // namespace rnx10::walk

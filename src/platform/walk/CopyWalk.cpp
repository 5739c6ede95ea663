// copyTree: a two-tree walk, each destination folder made and opened relative to its parent;
// separate sub-trees are copied on all cores at once.
#include "platform/walk/FolderWalk.h"

#include "platform/walk/FileCopy.h"
#include "platform/walk/SubtreeSplit.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cerrno>

namespace rnx10::walk {

namespace {

// Where the copy goes, for telling the destination apart and naming it in errors.
struct Target {
    const std::string &source;
    const std::string &destination;
    struct stat root; // the destination folder itself: a source folder that is it is not copied

    std::string pathOf(const std::string &sourcePath) const
    {
        std::string rest = sourcePath.substr(std::min(source.size(), sourcePath.size()));
        if (!rest.empty() && rest.front() != '/' && (destination.empty() || destination.back() != '/'))
            rest.insert(0, 1, '/');
        return destination + rest;
    }
};

class CopyVisitor : public SplitVisitor {
public:
    CopyVisitor(const Target &target, bool overwrite, WalkProgress *progress)
        : m_target(target), m_overwrite(overwrite), m_progress(progress)
    {
    }

    void entry(const Folder &at, const char *name, EntryType type) override
    {
        std::function<std::string()> target = [&] { return m_target.pathOf(at.childPath(name)); };
        if (type == EntryType::File) {
            std::uint64_t n = m_copier.copyFile(at.fd, at.twin, name, m_overwrite, target);
            if (m_progress)
                m_progress->bytes.fetch_add(n, std::memory_order_relaxed);
        } else if (type == EntryType::Link) {
            m_copier.copyLink(at.fd, at.twin, name, m_overwrite, target);
        }
        // Sockets, pipes and devices are not backed-up content: skipped.
    }

    bool enter(const Folder &at, const char *name) override
    {
        struct stat st{};
        if (::fstatat(at.fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            throw err::fromErrno(errno, at.childPath(name));
        if (st.st_ino == m_target.root.st_ino && st.st_dev == m_target.root.st_dev)
            return false;
        if (::mkdirat(at.twin, name, S_IRWXU) != 0 && errno != EEXIST)
            throw err::fromErrno(errno, m_target.pathOf(at.childPath(name)));
        m_modes.push_back(st.st_mode & 07777);
        return true;
    }

    Descriptor openTwin(const Folder &at, const char *name) override
    {
        return openFolderAt(at.twin, name, m_target.pathOf(at.childPath(name)));
    }

    // The folder's own mode last, so a read-only folder is filled before it becomes read-only.
    void leave(const Folder &at, const char *name) override
    {
        ::fchmodat(at.twin, name, m_modes.back(), 0);
        m_modes.pop_back();
    }

    std::unique_ptr<SplitVisitor> fork() const override
    {
        return std::make_unique<CopyVisitor>(m_target, m_overwrite, m_progress);
    }

private:
    const Target &m_target;
    bool m_overwrite;
    WalkProgress *m_progress;
    FileCopier m_copier;
    std::vector<mode_t> m_modes; // of the folders entered and not yet left
};

} // namespace

void copyTree(const std::string &source, const std::string &destination, bool overwrite, WalkProgress *progress)
{
    progress = progressOrThread(progress);
    openFolderAt(AT_FDCWD, source.c_str(), source); // a missing source creates no destination
    if (::mkdir(destination.c_str(), S_IRWXU) != 0 && errno != EEXIST)
        throw err::fromErrno(errno, destination);
    Descriptor dst = openFolderAt(AT_FDCWD, destination.c_str(), destination);
    Target target{source, destination, {}};
    if (::fstat(dst.get(), &target.root) != 0)
        throw err::fromErrno(errno, destination);
    CopyVisitor visitor(target, overwrite, progress);
    runSplit(source, visitor, progress, std::move(dst));
}

} // namespace rnx10::walk

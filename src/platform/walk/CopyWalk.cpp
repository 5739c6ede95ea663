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
        // Built only for an error; capturing one pointer keeps the function free of an allocation
        // for every file.
        const auto path = [&] { return m_target.pathOf(at.childPath(name)); };
        std::function<std::string()> target = [&path] { return path(); };
        if (type == EntryType::File) {
            std::uint64_t n = m_copier.copyFile(at.fd, at.twin, name, m_overwrite, target);
            if (m_progress)
                m_progress->bytes.fetch_add(n, std::memory_order_relaxed);
        } else if (type == EntryType::Link) {
            m_copier.copyLink(at.fd, at.twin, name, m_overwrite, target);
        } else if (type == EntryType::Fifo) {
            m_copier.copyFifo(at.fd, at.twin, name, m_overwrite, target);
        } else if (m_progress) {
            // Sockets and devices belong to running programs and hardware: named, not copied.
            m_progress->noteSkipped(at.childPath(name));
        }
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
        m_folders.push_back(st);
        return true;
    }

    Descriptor openTwin(const Folder &at, const char *name) override
    {
        return openFolderAt(at.twin, name, m_target.pathOf(at.childPath(name)));
    }

    // The folder's own mode and times last: a read-only folder is filled before it becomes
    // read-only, and nothing written into it afterwards changes its time. In the split the
    // top levels' folders are left once every worker has ended, children before parents.
    void leave(const Folder &at, const char *name) override
    {
        keepAttributesAt(at.twin, name, m_folders.back());
        m_folders.pop_back();
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
    std::vector<struct stat> m_folders; // the source folders entered and not yet left
};

} // namespace

void copyTree(const std::string &source, const std::string &destination, bool overwrite, WalkProgress *progress)
{
    progress = progressOrThread(progress);
    // A missing source creates no destination.
    struct stat sourceRoot{};
    if (::fstat(openFolderAt(AT_FDCWD, source.c_str(), source).get(), &sourceRoot) != 0)
        throw err::fromErrno(errno, source);
    // Private while it fills; the source's mode and times once everything is in.
    if (::mkdir(destination.c_str(), S_IRWXU) != 0 && errno != EEXIST)
        throw err::fromErrno(errno, destination);
    Descriptor dst = openFolderAt(AT_FDCWD, destination.c_str(), destination);
    Target target{source, destination, {}};
    if (::fstat(dst.get(), &target.root) != 0)
        throw err::fromErrno(errno, destination);
    // The split takes over a descriptor of its own: dst stays open for the top folder's attributes.
    Descriptor twin(::dup(dst.get()));
    if (!twin.valid())
        throw err::fromErrno(errno, destination);
    CopyVisitor visitor(target, overwrite, progress);
    runSplit(source, visitor, progress, std::move(twin));
    keepAttributes(dst.get(), sourceRoot);
}

} // namespace rnx10::walk

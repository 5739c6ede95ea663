// copyTree: a two-tree walk, each destination folder made and opened relative to its parent;
// separate sub-trees are copied on all cores at once.
#include "platform/walk/FolderWalk.h"

#include "platform/walk/FileCopy.h"
#include "platform/walk/SubtreeSplit.h"
#include "platform/walk/TreeWalker.h"

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
    bool isDestination(int dir, const char *name) const
    {
        struct stat st{};
        return ::fstatat(dir, name, &st, AT_SYMLINK_NOFOLLOW) == 0 && st.st_ino == root.st_ino && st.st_dev == root.st_dev;
    }
};

std::string below(const std::string &folder, const char *name)
{
    return folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
}

void copyEntry(FileCopier &copier, int srcDir, int dstDir, const char *name, EntryType type, bool overwrite,
               const std::function<std::string()> &target, WalkProgress *progress)
{
    if (type == EntryType::File) {
        std::uint64_t n = copier.copyFile(srcDir, dstDir, name, overwrite, target);
        if (progress)
            progress->bytes.fetch_add(n, std::memory_order_relaxed);
    } else if (type == EntryType::Link) {
        copier.copyLink(srcDir, dstDir, name, overwrite, target);
    }
    // Sockets, pipes and devices are not backed-up content: skipped.
}

void makeFolderAt(int dir, const char *name, const std::function<std::string()> &target)
{
    if (::mkdirat(dir, name, S_IRWXU) != 0 && errno != EEXIST)
        throw err::fromErrno(errno, target());
}

class CopyVisitor : public TreeVisitor {
public:
    CopyVisitor(const Target &target, bool overwrite, WalkProgress *progress)
        : m_target(target), m_overwrite(overwrite), m_progress(progress)
    {
    }

    void entry(TreeWalker &at, const char *name, EntryType type) override
    {
        copyEntry(m_copier, at.fd(), at.twin(), name, type, m_overwrite, [&] { return m_target.pathOf(at.childPath(name)); },
                  m_progress);
    }

    bool enter(TreeWalker &at, const char *name) override
    {
        struct stat st{};
        if (::fstatat(at.fd(), name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            throw err::fromErrno(errno, at.childPath(name));
        if (st.st_ino == m_target.root.st_ino && st.st_dev == m_target.root.st_dev)
            return false;
        makeFolderAt(at.twin(), name, [&] { return m_target.pathOf(at.childPath(name)); });
        m_modes.push_back(st.st_mode & 07777);
        return true;
    }

    int openTwin(TreeWalker &at, const char *name) override
    {
        return openFolderAt(at.twin(), name, m_target.pathOf(at.childPath(name))).release();
    }

    // The folder's own mode last, so a read-only folder is filled before it becomes read-only.
    void leave(TreeWalker &at, const char *name) override
    {
        ::fchmodat(at.twin(), name, m_modes.back(), 0);
        m_modes.pop_back();
    }

private:
    const Target &m_target;
    bool m_overwrite;
    WalkProgress *m_progress;
    FileCopier m_copier;
    std::vector<mode_t> m_modes; // of the folders entered and not yet left
};

class CopyJob : public SubtreeJob {
public:
    CopyJob(const Target &target, int destination, bool overwrite, WalkProgress *progress)
        : m_target(target), m_destination(destination), m_overwrite(overwrite), m_progress(progress)
    {
    }

    void folderStart(int, const std::string &rel) override { m_current = twinOf(rel); }

    void file(int dir, const std::string &folder, const char *name, EntryType type) override
    {
        copyEntry(m_copier, dir, m_current.get(), name, type, m_overwrite,
                  [&] { return m_target.pathOf(below(folder, name)); }, m_progress);
    }

    bool wanted(int dir, const char *name) override { return !m_target.isDestination(dir, name); }

    void subtree(Descriptor root, const std::string &path, WalkProgress *progress, const std::atomic<bool> *stop,
                 int budget) override
    {
        CopyVisitor visitor(m_target, m_overwrite, progress);
        // Each level holds a source and a destination descriptor.
        TreeWalker walker(visitor, progress, std::max(2, budget / 2));
        walker.setStop(stop);
        walker.run(std::move(root), path, twinOf(relativeOf(path)));
    }

    // Folders the split handled get their modes once everything inside them is there.
    void folderDone(int root, const std::string &rel) override
    {
        struct stat st{};
        if (::fstatat(root, rel.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0)
            ::fchmodat(m_destination, rel.c_str(), st.st_mode & 07777, 0);
    }

private:
    std::string relativeOf(const std::string &path) const
    {
        std::string rel = path.substr(std::min(path.size(), m_target.source.size()));
        return rel.empty() || rel.front() != '/' ? rel : rel.substr(1);
    }

    // The destination folder matching source folder rel, made when missing.
    Descriptor twinOf(const std::string &rel)
    {
        if (rel.empty())
            return Descriptor(::dup(m_destination));
        auto target = [&] { return m_target.pathOf(below(m_target.source, rel.c_str())); };
        makeFolderAt(m_destination, rel.c_str(), target);
        return openFolderAt(m_destination, rel.c_str(), target());
    }

    const Target &m_target;
    int m_destination;
    bool m_overwrite;
    WalkProgress *m_progress;
    FileCopier m_copier; // for the split's own files, on the calling thread
    Descriptor m_current;
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
    CopyJob job(target, dst.get(), overwrite, progress);
    runSplit(source, job, progress);
}

} // namespace rnx10::walk

// treeSize: sub-trees measured on all cores, each by a bounded depth-first walk.
#include "platform/walk/FolderWalk.h"

#include "platform/walk/SubtreeSplit.h"
#include "platform/walk/TreeWalker.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

namespace rnx10::walk {

namespace {

// Adds the logical size of a regular file in folder dir; a file gone since the listing adds nothing.
std::uint64_t fileSize(int dir, const char *name, const std::string &pathForErrors)
{
    struct statx st{};
    if (::statx(dir, name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, STATX_TYPE | STATX_SIZE, &st) != 0) {
        if (errno == ENOENT)
            return 0;
        throw err::fromErrno(errno, pathForErrors);
    }
    return S_ISREG(st.stx_mode) ? st.stx_size : 0;
}

class SizeVisitor : public TreeVisitor, public SubtreeJob {
public:
    explicit SizeVisitor(WalkProgress *progress) : m_progress(progress) {}

    void entry(TreeWalker &at, const char *name, EntryType type) override { file(at.fd(), at.path(), name, type); }

    void file(int dir, const std::string &folder, const char *name, EntryType type) override
    {
        // Only regular files have a size that counts: links, pipes and devices are never asked.
        if (type != EntryType::File)
            return;
        std::uint64_t n = fileSize(dir, name, folder + "/" + name);
        m_total += n;
        if (m_progress)
            m_progress->bytes.fetch_add(n, std::memory_order_relaxed);
    }

    void subtree(Descriptor root, const std::string &path, WalkProgress *progress, const std::atomic<bool> *stop,
                 int budget) override
    {
        SizeVisitor part(progress);
        TreeWalker walker(part, progress, budget);
        walker.setStop(stop);
        walker.run(std::move(root), path);
        m_parts.fetch_add(part.m_total, std::memory_order_relaxed);
    }

    std::uint64_t total() const { return m_total + m_parts.load(); }

private:
    WalkProgress *m_progress;
    std::uint64_t m_total = 0;
    std::atomic<std::uint64_t> m_parts{0};
};

} // namespace

std::uint64_t treeSize(const std::string &path, WalkProgress *progress)
{
    progress = progressOrThread(progress);
    SizeVisitor job(progress);
    runSplit(path, job, progress);
    return job.total();
}

} // namespace rnx10::walk

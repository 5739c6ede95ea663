// treeSize: sub-trees measured on all cores, each by a bounded depth-first walk.
#include "platform/walk/ByteSum.h"
#include "platform/walk/FolderWalk.h"
#include "platform/walk/HeldFolder.h"

#include "platform/walk/SubtreeSplit.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

namespace rnx10::walk {

namespace {

// The logical size of regular file name in folder at; a file gone since the listing adds nothing.
// The path is only built for an error: the walk calls this once for every file.
std::uint64_t fileSize(const Folder &at, const char *name)
{
    struct statx st{};
    if (::statx(at.fd, name, AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT, STATX_TYPE | STATX_SIZE, &st) != 0) {
        if (errno == ENOENT)
            return 0;
        throw err::fromErrno(errno, at.childPath(name));
    }
    return S_ISREG(st.stx_mode) ? st.stx_size : 0;
}

// Sizes go to the progress a few dozen files at a time rather than with each file: every worker
// adds to the same atomic, and adding for each file makes the cores contend for it.
class SizeVisitor : public SplitVisitor {
public:
    explicit SizeVisitor(WalkProgress *progress) : m_progress(progress) {}

    void entry(const Folder &at, const char *name, EntryType type) override
    {
        // Only regular files have a size that counts: links, pipes and devices are never asked.
        if (type != EntryType::File)
            return;
        std::uint64_t n = fileSize(at, name);
        m_total = addBytes(m_total, n);
        m_unreported += n;
        if (++m_unreportedFiles == kFilesPerReport)
            report();
    }

    void leave(const Folder &, const char *) override { report(); }

    std::unique_ptr<SplitVisitor> fork() const override { return std::make_unique<SizeVisitor>(m_progress); }
    void merge(SplitVisitor &part) override
    {
        auto &size = static_cast<SizeVisitor &>(part);
        size.report();
        m_total = addBytes(m_total, size.m_total);
    }

    std::uint64_t total()
    {
        report();
        return m_total;
    }

private:
    static constexpr int kFilesPerReport = 64;

    void report()
    {
        if (m_progress && m_unreported)
            m_progress->bytes.fetch_add(m_unreported, std::memory_order_relaxed);
        m_unreported = 0;
        m_unreportedFiles = 0;
    }

    WalkProgress *m_progress;
    std::uint64_t m_total = 0;
    std::uint64_t m_unreported = 0;
    int m_unreportedFiles = 0;
};

} // namespace

std::uint64_t treeSize(const std::string &path, WalkProgress *progress)
{
    progress = progressOrThread(progress);
    SizeVisitor visitor(progress);
    runSplit(path, visitor, progress);
    return visitor.total();
}

std::uint64_t treeSizeOf(const Descriptor &folder, const std::string &path, WalkProgress *progress)
{
    progress = progressOrThread(progress);
    SizeVisitor visitor(progress);
    runSplitAt(reopenFolder(folder, path), path, visitor, progress);
    return visitor.total();
}

} // namespace rnx10::walk

#include "platform/walk/TreeCompare.h"

#include "automation/AutomationError.h"
#include "platform/FileIO.h"
#include "platform/NameOrder.h"
#include "platform/Paths.h"
#include "platform/walk/DirListing.h"
#include "platform/walk/SameContent.h"
#include "platform/walk/SameEntry.h"
#include "platform/walk/SubtreeSplit.h"
#include "platform/walk/TreeWalker.h"
#include "platform/walk/WorkerThreads.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <variant>
#include <vector>

namespace rnx10::walk {

namespace {

// One folder's entry names in name order; none for a side that is missing (fd -1). Types are
// looked at only for the names on both sides.
std::vector<std::string> sortedNames(DirListing &listing, int fd, const std::string &path)
{
    std::vector<std::string> names;
    if (fd < 0)
        return names;
    listing.read(fd, path);
    listing.forEach([&](const char *name, EntryType) { names.emplace_back(name); });
    sortByName(names);
    return names;
}

// Most folder levels whose descriptors stay open; deeper, the parents are closed and reopened
// through ".." on the way back, so any depth needs a bounded number of descriptors.
constexpr std::size_t kOpenLevels = 32;

// The sub-trees a comparison hands to other cores: the folders this deep below the roots, at most
// kMostSubtrees of them (each holds a descriptor on each side until it is compared).
constexpr std::size_t kSplitDepth = 2;
constexpr std::size_t kMostSubtrees = 128;

// A folder on both sides whose comparison is taken elsewhere: descend() hands it over and goes on.
using SubtreeTaker = std::function<bool(Descriptor &archive, Descriptor &current, const std::string &rel)>;

class Comparer {
public:
    Comparer(std::string archive, std::string current, const std::function<void(const TreeChange &)> &report,
             WalkProgress *progress, const CompareOptions &options, std::string rel = {},
             const std::atomic<bool> *stop = nullptr)
        : m_archiveRoot(std::move(archive)), m_currentRoot(std::move(current)), m_report(report), m_progress(progress),
          m_options(options), m_rel(std::move(rel)), m_depth(depthOf(m_rel)), m_stop(stop)
    {
    }

    void takeSubtrees(SubtreeTaker taker) { m_taker = std::move(taker); }

    // Both folders at m_rel; current is not valid when the current side has no such folder. Either
    // may be closed and opened again (the same folder) while the walk is below it.
    void compareFolders(Descriptor &archive, Descriptor &current)
    {
        if ((m_progress && m_progress->cancel) || (m_stop && m_stop->load(std::memory_order_relaxed)))
            throw interrupted();
        std::vector<std::string> inArchive, inCurrent;
        // A root that cannot be listed leaves nothing to compare; a folder below it is passed over.
        const bool root = m_rel.empty();
        if (!passable(root, [&] { inArchive = sortedNames(m_listing, archive.get(), failing(archivePath())); })
            || !passable(root, [&] { inCurrent = sortedNames(m_listing, current.get(), failing(currentPath())); }))
            return;
        auto a = inArchive.begin();
        auto c = inCurrent.begin();
        while (a != inArchive.end() || c != inCurrent.end()) {
            if (c == inCurrent.end() || (a != inArchive.end() && nameBefore(*a, *c)))
                tell(ChangeKind::OnlyArchive, *a++, "");
            else if (a == inArchive.end() || nameBefore(*c, *a))
                tell(ChangeKind::OnlyCurrent, *c++, "");
            else {
                compareBoth(archive, current, *a);
                ++a;
                ++c;
            }
        }
        if (m_progress)
            m_progress->entries += inArchive.size() + inCurrent.size();
    }

    ChangeCounts counts() const { return m_counts; }

private:
    static std::size_t depthOf(const std::string &rel)
    {
        return rel.empty() ? 0 : 1 + static_cast<std::size_t>(std::count(rel.begin(), rel.end(), '/'));
    }

    std::string archivePath() const { return m_rel.empty() ? m_archiveRoot : m_archiveRoot + "/" + m_rel; }
    std::string currentPath() const { return m_rel.empty() ? m_currentRoot : m_currentRoot + "/" + m_rel; }

    void tell(ChangeKind kind, const std::string &name, const char *what)
    {
        (kind == ChangeKind::OnlyArchive ? m_counts.onlyArchive
                                         : kind == ChangeKind::OnlyCurrent ? m_counts.onlyCurrent : m_counts.differs)++;
        m_report({kind, m_rel.empty() ? name : m_rel + "/" + name, what});
    }

    // Runs step, which reads one entry. When it fails (not the user's stop), the caller takes
    // skipped entries and mustRead is false, the failure is told and counted and the comparison
    // goes past the entry: false. The failure's path is the one its error names (m_failed).
    template <typename Step>
    bool passable(bool mustRead, Step &&step)
    {
        try {
            step();
            return true;
        } catch (const AutomationError &e) {
            if (mustRead || !m_options.skipped || e.number() == UserInterrupt)
                throw;
            ++m_counts.skipped;
            m_options.skipped(m_failed, e);
            return false;
        }
    }

    // Keeps path as the one a failure of the step under way names, and hands it on.
    const std::string &failing(std::string path)
    {
        m_failed = std::move(path);
        return m_failed;
    }

    EntryState stateOf(int dir, const std::string &name, const std::string &folderPath)
    {
        struct stat st{};
        if (::fstatat(dir, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            const int error = errno; // gone since the listing, most likely
            throw err::fromErrno(error, failing(joinPath(folderPath, name)));
        }
        return entryState(dir, name.c_str(), st);
    }

    void compareBoth(Descriptor &archive, Descriptor &current, const std::string &name)
    {
        EntryState a, c;
        const char *what = "";
        const bool read = passable(false, [&] {
            a = stateOf(archive.get(), name, archivePath());
            c = stateOf(current.get(), name, currentPath());
            what = entryDifference(a, c);
            if (!*what && a.type == S_IFREG && m_options.contents) {
                const std::string archiveFile = joinPath(archivePath(), name), currentFile = joinPath(currentPath(), name);
                if (!m_content.same(archive.get(), current.get(), name.c_str(), archiveFile, currentFile, m_failed))
                    what = "content";
            }
        });
        if (!read)
            return;
        if (*what)
            tell(ChangeKind::Differs, name, what);
        else if (a.type == S_IFDIR)
            descend(archive, current, name);
    }

    void descend(Descriptor &archive, Descriptor &current, const std::string &name)
    {
        const std::string archiveHere = archivePath();
        const std::string currentHere = currentPath();
        Descriptor archiveChild, currentChild;
        if (!passable(false, [&] { archiveChild = openFolderAt(archive.get(), name.c_str(), failing(joinPath(archiveHere, name))); })
            || !passable(false, [&] { currentChild = openFolderAt(current.get(), name.c_str(), failing(joinPath(currentHere, name))); }))
            return;
        const std::size_t length = m_rel.size();
        m_rel = m_rel.empty() ? name : m_rel + "/" + name;
        if (m_depth + 1 == kSplitDepth && m_taker && m_taker(archiveChild, currentChild, m_rel)) {
            m_rel.resize(length);
            return;
        }
        const bool closeParents = ++m_depth > kOpenLevels;
        struct stat archiveId{}, currentId{};
        if (closeParents) {
            ::fstat(archive.get(), &archiveId);
            ::fstat(current.get(), &currentId);
            archive.reset();
            current.reset();
        }
        compareFolders(archiveChild, currentChild);
        --m_depth;
        m_rel.resize(length);
        if (closeParents) {
            archive.reset(reopenParent(archiveChild.get(), archiveId.st_dev, archiveId.st_ino, archiveHere));
            current.reset(reopenParent(currentChild.get(), currentId.st_dev, currentId.st_ino, currentHere));
        }
    }

    const std::string m_archiveRoot, m_currentRoot;
    const std::function<void(const TreeChange &)> &m_report;
    WalkProgress *m_progress;
    const CompareOptions &m_options;
    DirListing m_listing;
    ContentCheck m_content;
    std::string m_rel;
    std::string m_failed; // the path the step under way reads, for a warning when it fails
    std::size_t m_depth = 0;
    const std::atomic<bool> *m_stop;
    SubtreeTaker m_taker;
    ChangeCounts m_counts;
};

// What a comparison tells, in its order: a change, an entry passed over, or the place of a
// sub-tree compared elsewhere.
struct Skipped {
    std::string path;
    AutomationError error;
};
using Told = std::variant<TreeChange, Skipped, std::size_t>;

// A folder on both sides compared on another core; what it tells is held until its turn.
struct Subtree {
    Descriptor archive, current;
    std::string rel;
    std::vector<Told> told;
    ChangeCounts counts;
    std::exception_ptr error;
    bool taken = false, done = false;
};

// Compares the top levels on the calling thread, handing the folders kSplitDepth below the roots
// to helpers, then tells everything in the order of one depth-first walk: what comes before the
// first of those folders at once, the rest once the top levels are done; the calling thread
// compares itself any sub-tree no helper has started when its turn comes. Each thread runs a
// Comparer of its own; only the hand-over of sub-trees is shared.
class SplitComparison {
public:
    SplitComparison(const std::string &archive, const std::string &current,
                    const std::function<void(const TreeChange &)> &report, WalkProgress *progress,
                    const CompareOptions &options)
        : m_archive(archive), m_current(current), m_report(report), m_progress(progress), m_options(options)
    {
    }

    ~SplitComparison()
    {
        {
            std::lock_guard lock(m_mutex);
            m_stop = true;
            m_stopFlag = true;
        }
        m_changed.notify_all();
        for (std::thread &t : m_helpers)
            t.join();
    }

    ChangeCounts run(Descriptor &archiveRoot, Descriptor &currentRoot)
    {
        // The top levels, told into m_told; the sub-trees kSplitDepth down only placed there.
        // Until the first sub-tree is handed over, what the top levels find is told at once.
        CompareOptions planning = m_options;
        if (m_options.skipped)
            planning.skipped = [&](const std::string &path, const AutomationError &e) {
                if (m_subtrees.empty())
                    m_options.skipped(path, e);
                else
                    m_told.push_back(Skipped{path, e});
            };
        const std::function<void(const TreeChange &)> tell = [&](const TreeChange &c) {
            if (m_subtrees.empty())
                m_report(c);
            else
                m_told.push_back(c);
        };
        Comparer top(m_archive, m_current, tell, m_progress, planning);
        top.takeSubtrees([&](Descriptor &a, Descriptor &c, const std::string &rel) {
            if (m_subtrees.size() == kMostSubtrees)
                return false;
            auto subtree = std::make_unique<Subtree>();
            subtree->archive = std::move(a);
            subtree->current = std::move(c);
            subtree->rel = rel;
            m_told.push_back(m_subtrees.size());
            m_subtrees.push_back(std::move(subtree));
            return true;
        });
        top.compareFolders(archiveRoot, currentRoot);
        ChangeCounts counts = top.counts();
        // The changes the top levels found are counted there already; the sub-trees' are added.
        const unsigned helpers = m_subtrees.size() > 1 ? coreCount() - 1 : 0;
        for (unsigned i = 0; i < helpers; ++i)
            tryAddThread(m_helpers, [this] { help(); });
        for (const Told &told : m_told) {
            if (const auto *change = std::get_if<TreeChange>(&told))
                m_report(*change);
            else if (const auto *skipped = std::get_if<Skipped>(&told))
                m_options.skipped(skipped->path, skipped->error);
            else
                add(counts, tellSubtree(*m_subtrees[std::get<std::size_t>(told)]));
        }
        return counts;
    }

private:
    static void add(ChangeCounts &to, const ChangeCounts &from)
    {
        to.onlyCurrent += from.onlyCurrent;
        to.onlyArchive += from.onlyArchive;
        to.differs += from.differs;
        to.skipped += from.skipped;
    }

    // The sub-tree's changes at its turn: compared here when no helper has taken it.
    ChangeCounts tellSubtree(Subtree &subtree)
    {
        std::unique_lock lock(m_mutex);
        if (!subtree.taken) {
            subtree.taken = true;
            lock.unlock();
            Comparer here(m_archive, m_current, m_report, m_progress, m_options, subtree.rel);
            here.compareFolders(subtree.archive, subtree.current);
            subtree.archive.reset();
            subtree.current.reset();
            return here.counts();
        }
        m_changed.wait(lock, [&] { return subtree.done; });
        lock.unlock();
        for (const Told &told : subtree.told) {
            if (m_progress && m_progress->cancel.load(std::memory_order_relaxed))
                throw interrupted();
            if (const auto *change = std::get_if<TreeChange>(&told))
                m_report(*change);
            else if (const auto *skipped = std::get_if<Skipped>(&told))
                m_options.skipped(skipped->path, skipped->error);
        }
        if (subtree.error)
            std::rethrow_exception(subtree.error);
        return subtree.counts;
    }

    void help()
    {
        for (;;) {
            Subtree *subtree = nullptr;
            {
                std::lock_guard lock(m_mutex);
                if (m_stop)
                    return;
                for (const auto &s : m_subtrees)
                    if (!s->taken) {
                        subtree = s.get();
                        break;
                    }
                if (!subtree)
                    return;
                subtree->taken = true;
            }
            compareAside(*subtree);
            {
                std::lock_guard lock(m_mutex);
                subtree->done = true;
            }
            m_changed.notify_all();
        }
    }

    void compareAside(Subtree &subtree)
    {
        CompareOptions aside = m_options;
        if (m_options.skipped)
            aside.skipped = [&](const std::string &path, const AutomationError &e) { subtree.told.push_back(Skipped{path, e}); };
        const std::function<void(const TreeChange &)> keep = [&](const TreeChange &c) { subtree.told.push_back(c); };
        try {
            Comparer comparer(m_archive, m_current, keep, m_progress, aside, subtree.rel, &m_stopFlag);
            comparer.compareFolders(subtree.archive, subtree.current);
            subtree.counts = comparer.counts();
        } catch (...) {
            subtree.error = std::current_exception();
        }
        subtree.archive.reset();
        subtree.current.reset();
    }

    const std::string &m_archive, &m_current;
    const std::function<void(const TreeChange &)> &m_report;
    WalkProgress *m_progress;
    const CompareOptions &m_options;
    std::vector<Told> m_told;
    std::vector<std::unique_ptr<Subtree>> m_subtrees;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_stop = false;
    std::atomic<bool> m_stopFlag{false};
    std::vector<std::thread> m_helpers;
};

// The current root, or none when it is missing.
Descriptor openCurrentRoot(const std::string &current)
{
    const int fd = tryOpenFolderAt(AT_FDCWD, current.c_str());
    if (fd < 0 && errno == ENOENT)
        return Descriptor();
    if (fd < 0 && (errno == ENOTDIR || errno == ELOOP))
        throw err::pathFileAccess(current + " is not a folder");
    if (fd < 0)
        throw err::fromErrno(errno, current);
    return Descriptor(fd);
}

} // namespace

ChangeCounts compareTrees(const std::string &archive, const std::string &current,
                          const std::function<void(const TreeChange &)> &report, WalkProgress *progress,
                          const CompareOptions &options)
{
    Descriptor archiveRoot = openFolderAt(AT_FDCWD, archive.c_str(), archive);
    Descriptor currentRoot = openCurrentRoot(current);
    // Without a current side there is nothing to compare but names: one walk does it.
    if (!currentRoot.valid()) {
        Comparer comparer(archive, current, report, progressOrThread(progress), options);
        comparer.compareFolders(archiveRoot, currentRoot);
        return comparer.counts();
    }
    SplitComparison split(archive, current, report, progressOrThread(progress), options);
    return split.run(archiveRoot, currentRoot);
}

} // namespace rnx10::walk

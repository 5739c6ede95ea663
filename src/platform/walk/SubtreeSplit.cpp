#include "platform/walk/SubtreeSplit.h"

#include "platform/Paths.h"
#include "platform/walk/WorkerPriority.h"
#include "platform/walk/WorkerThreads.h"

#include <fcntl.h>

#include <algorithm>
#include <cstring>
#include <exception>
#include <mutex>
#include <string_view>
#include <thread>
#include <vector>

namespace rnx10::walk {

namespace {

constexpr std::size_t kTasksPerThread = 8; // enough that uneven sub-trees still even out
constexpr int kMostSplitLevels = 6;        // the top levels are short paths: cheap to reopen

unsigned workerCount(unsigned perCore) { return std::clamp(coreCount() * perCore, 1u, 8u); }

// Walks everything below at depth-first, holding at most budget descriptors.
void walk(TreeVisitor &visitor, OpenFolder at, int budget, WalkProgress *progress, const std::atomic<bool> *stop)
{
    // A two-tree walk holds a descriptor in each tree for every folder.
    TreeWalker walker(visitor, progress, at.twin.valid() ? std::max(2, budget / 2) : budget);
    walker.setStop(stop);
    walker.run(std::move(at.fd), at.path, std::move(at.twin));
}

class Split {
public:
    Split(Descriptor root, const std::string &path, SplitVisitor &visitor, WalkProgress *progress, Descriptor twin,
          unsigned workersPerCore)
        : m_visitor(visitor), m_progress(progress), m_workersPerCore(workersPerCore),
          m_root{std::move(root), std::move(twin), path}
    {
    }

    void run()
    {
        unsigned workers = workerCount(m_workersPerCore);
        if (workers == 1) {
            walk(m_visitor, std::move(m_root), TreeWalker::kDefaultBudget, m_progress, nullptr);
            return;
        }
        std::vector<std::vector<std::string>> levels{{""}};
        for (int level = 0; level < kMostSplitLevels && !levels.back().empty() &&
                            levels.back().size() < kTasksPerThread * workers;
             ++level)
            levels.push_back(readLevel(levels.back()));
        runTasks(levels.back(), workers);
        leaveAll(levels);
    }

private:
    OpenFolder openRelative(TreeVisitor &visitor, const std::string &rel) const
    {
        return openBelow(visitor, m_root, rel);
    }

    // Reads every folder of one level and enters its sub-folders: they make the next level.
    std::vector<std::string> readLevel(const std::vector<std::string> &level)
    {
        std::vector<std::string> next;
        DirListing listing;
        std::string subFolders;
        for (const std::string &rel : level) {
            if (m_progress && m_progress->cancel.load(std::memory_order_relaxed))
                throw interrupted();
            OpenFolder open = openRelative(m_visitor, rel);
            Folder at = open.folder();
            subFolders.clear();
            readFolder(listing, at, m_visitor, subFolders, m_progress);
            for (std::size_t i = 0; i < subFolders.size(); i += std::strlen(subFolders.c_str() + i) + 1) {
                const char *name = subFolders.c_str() + i;
                if (m_visitor.enter(at, name))
                    next.push_back(joinPath(rel, name));
            }
        }
        return next;
    }

    void runTasks(const std::vector<std::string> &tasks, unsigned workers)
    {
        workers = static_cast<unsigned>(std::min<std::size_t>(workers, tasks.size()));
        if (workers == 0)
            return;
        // Kept out of the walkers' share: the split's own descriptors (its root and twin, a folder
        // and twin being opened) and the two files each worker may have open.
        // Eight workers still get four each: deeper trees reopen their parents through "..".
        int budget = std::max(4, (TreeWalker::kDefaultBudget - 4 - 2 * static_cast<int>(workers)) /
                                     static_cast<int>(workers));
        std::vector<std::unique_ptr<SplitVisitor>> parts;
        for (unsigned i = 0; i < workers; ++i)
            parts.push_back(m_visitor.fork());
        auto work = [&](SplitVisitor *visitor) {
            for (std::size_t i = m_next++; i < tasks.size() && !m_stop; i = m_next++)
                runTask(*visitor, tasks[i], budget);
        };
        // A helper the system refuses leaves its share to the others and this thread.
        std::vector<std::thread> threads;
        threads.reserve(workers);
        for (unsigned i = 1; i < workers; ++i)
            if (!tryAddThread(threads, [&work, part = parts[i].get()] {
                    lowerWorkerPriority();
                    work(part);
                }))
                break;
        work(parts[0].get());
        for (std::thread &t : threads)
            t.join();
        if (m_error)
            std::rethrow_exception(m_error);
        for (auto &part : parts)
            m_visitor.merge(*part);
    }

    void runTask(SplitVisitor &visitor, const std::string &rel, int budget)
    {
        try {
            walk(visitor, openRelative(visitor, rel), budget, m_progress, &m_stop);
        } catch (...) {
            std::lock_guard lock(m_mutex);
            if (!m_error)
                m_error = std::current_exception();
            m_stop = true;
        }
    }

    // Leaves every folder the split entered, in the reverse order: children before parents.
    void leaveAll(const std::vector<std::vector<std::string>> &levels)
    {
        OpenFolder parent;
        std::string parentRel;
        for (auto level = levels.rbegin(); level != levels.rend() - 1; ++level) {
            for (auto rel = level->rbegin(); rel != level->rend(); ++rel) {
                std::size_t slash = rel->rfind('/');
                std::string_view up = slash == std::string::npos ? std::string_view() : std::string_view(*rel).substr(0, slash);
                // Siblings come one after another: their parent is opened once for all of them.
                if (!parent.fd.valid() || up != parentRel) {
                    parentRel = up;
                    parent = openRelative(m_visitor, parentRel);
                }
                m_visitor.leave(parent.folder(), rel->c_str() + (slash == std::string::npos ? 0 : slash + 1));
            }
        }
    }

    SplitVisitor &m_visitor;
    WalkProgress *m_progress;
    unsigned m_workersPerCore;
    OpenFolder m_root;
    std::atomic<std::size_t> m_next{0};
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::exception_ptr m_error;
};

} // namespace

OpenFolder openBelow(TreeVisitor &visitor, const OpenFolder &root, const std::string &rel)
{
    OpenFolder at{Descriptor(::dup(root.fd.get())), Descriptor(root.twin.valid() ? ::dup(root.twin.get()) : -1),
                  root.path};
    std::size_t from = 0;
    while (from < rel.size()) {
        std::size_t to = rel.find('/', from);
        if (to == std::string::npos)
            to = rel.size();
        std::string name = rel.substr(from, to - from);
        Folder parent = at.folder();
        Descriptor fd = visitor.open(parent, name.c_str());
        Descriptor twin = visitor.openTwin(parent, name.c_str());
        at = {std::move(fd), std::move(twin), parent.childPath(name.c_str())};
        from = to + 1;
    }
    return at;
}

unsigned coreCount() { return std::clamp(std::thread::hardware_concurrency(), 1u, 8u); }

void runSplit(const std::string &path, SplitVisitor &visitor, WalkProgress *progress, Descriptor twin,
              unsigned workersPerCore)
{
    Split(openFolderAt(AT_FDCWD, path.c_str(), path), path, visitor, progress, std::move(twin),
          std::max(workersPerCore, 1u))
        .run();
}

void runSplitAt(Descriptor root, const std::string &path, SplitVisitor &visitor, WalkProgress *progress,
                unsigned workersPerCore)
{
    Split(std::move(root), path, visitor, progress, Descriptor(), std::max(workersPerCore, 1u)).run();
}

} // namespace rnx10::walk

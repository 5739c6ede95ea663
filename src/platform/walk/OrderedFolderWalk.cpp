// forEachFolder, spread over the cores with its order kept. The top levels are read on the
// calling thread; helper threads walk the sub-trees below them ahead of time, each into a buffer
// of paths; the calling thread hands every folder to the visitor in the one order a depth-first
// walk gives (parents first, sub-folders in name order), walking a sub-tree itself when no helper
// has taken it yet. Helpers run at most a few sub-trees ahead and hold at most a budget of bytes
// read ahead; a sub-tree that would go past it is given back and walked by the calling thread.
#include "platform/walk/FolderWalk.h"

#include "platform/NameOrder.h"
#include "platform/Paths.h"
#include "platform/walk/SubtreeSplit.h"
#include "platform/walk/WorkerPriority.h"
#include "platform/walk/WorkerThreads.h"

#include <fcntl.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <condition_variable>
#include <cstring>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace rnx10::walk {

namespace {

constexpr std::size_t kTasksPerThread = 8; // enough that uneven sub-trees still even out
constexpr std::size_t kAheadPerThread = 4;  // finished sub-trees a thread may leave waiting
constexpr int kMostTopLevels = 6;

// Hands every folder a walk enters to a function; entries that are not folders are nothing here.
class EnterVisitor : public TreeVisitor {
public:
    explicit EnterVisitor(const std::function<bool(const std::string &)> &onFolder) : m_onFolder(onFolder) {}
    void entry(const Folder &, const char *, EntryType) override {}
    bool enter(const Folder &at, const char *name) override
    {
        if (m_stopped)
            return false;
        m_stopped = !m_onFolder(at.childPath(name));
        return !m_stopped;
    }
    bool stopped() const { return m_stopped; }

private:
    const std::function<bool(const std::string &)> &m_onFolder;
    bool m_stopped = false;
};

// A folder of the top levels, read on the calling thread.
struct TopFolder {
    std::string rel;                  // below the root, names joined by "/"
    std::vector<std::size_t> folders; // its sub-folders (indexes of TopFolders), in name order
    std::exception_ptr error;         // opening or reading it failed: raised once it is handed out
    std::size_t task = SIZE_MAX;      // the sub-tree below it is walked as a task
};

// A sub-tree below the top levels and what its walk found.
struct Task {
    std::size_t folder = 0; // the TopFolder it starts at
    bool done = false;
    bool givenBack = false; // its buffer went past the budget: the calling thread walks it
    std::string paths;      // the folders found, full paths, each ended by a NUL
    std::exception_ptr error;
};

class OrderedWalk {
public:
    OrderedWalk(const std::string &root, const std::function<bool(const std::string &)> &visit,
                WalkProgress *progress, unsigned threads)
        : m_visit(visit), m_progress(progress), m_threads(threads),
          m_root{openFolderAt(AT_FDCWD, root.c_str(), root), Descriptor(), root}
    {
    }

    void run()
    {
        readTopLevels();
        if (m_top[0].error)
            std::rethrow_exception(m_top[0].error);
        // A helper the system refuses is no error: this thread walks whatever no helper took.
        std::vector<std::thread> helpers;
        helpers.reserve(m_threads);
        for (unsigned i = 1; i < m_threads && !m_tasks.empty(); ++i)
            if (!tryAddThread(helpers, [this] {
                    lowerWorkerPriority();
                    help();
                }))
                break;
        try {
            handOut(0);
        } catch (...) {
            finish(helpers);
            throw;
        }
        finish(helpers);
    }

private:
    // Reads the top levels breadth-first until one holds enough sub-trees for every thread; that
    // level's folders become the tasks.
    void readTopLevels()
    {
        m_top.push_back({});
        std::vector<std::size_t> level{0};
        DirListing listing;
        std::string names;
        EnterVisitor reader(m_visit); // opens and lists; its enter() is never called here
        for (int depth = 0; depth < kMostTopLevels && !level.empty(); ++depth) {
            if (level.size() >= kTasksPerThread * m_threads)
                break;
            std::vector<std::size_t> next;
            for (std::size_t index : level) {
                stopIfCancelled();
                names.clear();
                try {
                    OpenFolder open = openBelow(reader, m_root, m_top[index].rel);
                    readFolder(listing, open.folder(), reader, names, m_progress);
                } catch (...) {
                    m_top[index].error = std::current_exception();
                    continue;
                }
                std::vector<std::string> sorted;
                for (std::size_t at = 0; at < names.size(); at += std::strlen(names.c_str() + at) + 1)
                    sorted.emplace_back(names.c_str() + at);
                sortByName(sorted);
                for (const std::string &name : sorted) {
                    std::string rel = m_top[index].rel.empty() ? name : m_top[index].rel + "/" + name;
                    m_top[index].folders.push_back(m_top.size());
                    next.push_back(m_top.size());
                    m_top.push_back({std::move(rel), {}, {}, SIZE_MAX});
                }
            }
            level = std::move(next);
        }
        // Folders whose listing failed are already handed out with their error: no task below them.
        for (std::size_t index : level) {
            if (m_top[index].error)
                continue;
            m_top[index].task = m_tasks.size();
            Task task;
            task.folder = index;
            m_tasks.push_back(std::move(task));
        }
    }

    std::string pathOf(const TopFolder &f) const { return f.rel.empty() ? m_root.path : joinPath(m_root.path, f.rel); }

    // Hands out the sub-folders of top folder index and everything below them, in order; false
    // once the visitor has asked to stop.
    bool handOut(std::size_t index)
    {
        for (std::size_t child : m_top[index].folders) {
            const TopFolder &f = m_top[child];
            stopIfCancelled();
            if (!m_visit(pathOf(f)))
                return false;
            if (f.error)
                std::rethrow_exception(f.error);
            if (f.task != SIZE_MAX ? !handOutTask(f.task) : !handOut(child))
                return false;
        }
        return true;
    }

    // The folders of task j walked on this thread.
    bool walkHere(std::size_t j)
    {
        EnterVisitor direct(m_visit);
        walkTask(direct, j);
        markHandedOut(j);
        return !direct.stopped();
    }

    // The folders of task j: walked here when no helper has taken it or it was given back, else
    // from its buffer.
    bool handOutTask(std::size_t j)
    {
        std::unique_lock lock(m_mutex);
        if (m_nextTask == j) {
            ++m_nextTask;
            lock.unlock();
            return walkHere(j);
        }
        // A helper has it: rather than wait, this thread walks what comes after.
        while (!m_tasks[j].done) {
            if (mayTakeNext()) {
                const std::size_t k = m_nextTask++;
                lock.unlock();
                collect(k);
                lock.lock();
            } else {
                m_changed.wait(lock);
            }
        }
        if (m_tasks[j].givenBack) {
            lock.unlock();
            return walkHere(j);
        }
        std::string paths = std::move(m_tasks[j].paths);
        m_buffered -= paths.size();
        std::exception_ptr error = m_tasks[j].error;
        lock.unlock();
        markHandedOut(j);
        std::string path;
        for (std::size_t at = 0; at < paths.size(); at += path.size() + 1) {
            path.assign(paths.c_str() + at);
            stopIfCancelled();
            if (!m_visit(path))
                return false;
        }
        if (error)
            std::rethrow_exception(error);
        return true;
    }

    // Folders read ahead are handed out as the walk on one thread would: none after a cancel.
    void stopIfCancelled() const
    {
        if (m_progress && m_progress->cancel.load(std::memory_order_relaxed))
            throw interrupted();
    }

    void markHandedOut(std::size_t j)
    {
        std::lock_guard lock(m_mutex);
        m_handedOut = j + 1;
        m_changed.notify_all();
    }

    // With the lock held: the next task no thread has taken may be taken, not too far ahead and
    // while at least half the budget is free.
    bool mayTakeNext() const
    {
        return m_nextTask < m_tasks.size() && m_nextTask < m_handedOut + kAheadPerThread * m_threads &&
               m_buffered < m_budget / 2;
    }

    // Counts size more bytes read ahead; false, counting nothing, when that goes past the budget.
    bool reserve(std::size_t size)
    {
        std::lock_guard lock(m_mutex);
        if (m_buffered + size > m_budget)
            return false;
        m_buffered += size;
        std::size_t peak = readAheadBudget().peak.load();
        while (m_buffered > peak && !readAheadBudget().peak.compare_exchange_weak(peak, m_buffered)) {
        }
        return true;
    }

    // A helper takes the next task no thread has taken, while it is not too far ahead.
    void help()
    {
        for (;;) {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [&] { return m_stop || m_nextTask >= m_tasks.size() || mayTakeNext(); });
            if (m_stop || m_nextTask >= m_tasks.size())
                return;
            const std::size_t j = m_nextTask++;
            lock.unlock();
            collect(j);
        }
    }

    // Walks task j into its buffer of paths, for handing out later; called without the lock. Past
    // the budget the walk stops and the task is given back, its buffer dropped.
    void collect(std::size_t j)
    {
        std::string paths;
        std::exception_ptr error;
        bool givenBack = false;
        try {
            const std::function<bool(const std::string &)> keep = [&](const std::string &path) {
                givenBack = !reserve(path.size() + 1);
                if (!givenBack)
                    paths.append(path.c_str(), path.size() + 1);
                return !givenBack;
            };
            EnterVisitor collector(keep);
            walkTask(collector, j);
        } catch (...) {
            error = std::current_exception();
        }
        std::lock_guard lock(m_mutex);
        if (givenBack) {
            m_buffered -= paths.size();
            paths.clear();
            error = nullptr; // the calling thread's own walk meets it again
        }
        m_tasks[j].paths = std::move(paths);
        m_tasks[j].error = error;
        m_tasks[j].givenBack = givenBack;
        m_tasks[j].done = true;
        m_changed.notify_all();
    }

    void walkTask(TreeVisitor &visitor, std::size_t j)
    {
        OpenFolder at = openBelow(visitor, m_root, m_top[m_tasks[j].folder].rel);
        // Every thread's walk shares one budget of descriptors, less the root and one being opened.
        TreeWalker walker(visitor, m_progress, std::max(4, (TreeWalker::kDefaultBudget - 4) / static_cast<int>(m_threads)));
        walker.setStop(&m_stopFlag);
        walker.setNameOrder(true);
        walker.run(std::move(at.fd), at.path);
    }

    void finish(std::vector<std::thread> &helpers)
    {
        {
            std::lock_guard lock(m_mutex);
            m_stop = true;
            m_stopFlag = true;
            m_changed.notify_all();
        }
        for (std::thread &t : helpers)
            t.join();
    }

    const std::function<bool(const std::string &)> &m_visit;
    WalkProgress *m_progress;
    unsigned m_threads;
    OpenFolder m_root;
    std::vector<TopFolder> m_top; // [0] is the root itself
    std::vector<Task> m_tasks;    // in the order they are handed out

    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::size_t m_nextTask = 0;  // the first task no thread has taken
    std::size_t m_handedOut = 0; // tasks before this one are handed out
    std::size_t m_buffered = 0;  // bytes in the buffers of tasks not handed out yet
    const std::size_t m_budget = readAheadBudget().bytes.load();
    bool m_stop = false;
    std::atomic<bool> m_stopFlag{false}; // stops helpers' walks part-way
};

} // namespace

ReadAheadBudget &readAheadBudget()
{
    static ReadAheadBudget budget;
    return budget;
}

void forEachFolder(const std::string &root, const std::function<bool(const std::string &)> &visit,
                   WalkProgress *progress)
{
    OrderedWalk(root, visit, progressOrThread(progress), coreCount()).run();
}

} // namespace rnx10::walk

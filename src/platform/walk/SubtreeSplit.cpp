#include "platform/walk/SubtreeSplit.h"

#include "platform/walk/TreeWalker.h"

#include <fcntl.h>

#include <algorithm>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace rnx10::walk {

namespace {

constexpr std::size_t kTasksPerThread = 8; // enough that uneven sub-trees still even out
constexpr int kMostSplitLevels = 6;        // the top levels are short paths: cheap to reopen

std::string join(const std::string &a, const std::string &b) { return a.empty() || a.back() == '/' ? a + b : a + "/" + b; }

// Opens folder rel (names joined by "/") below root one name at a time, never through a link.
Descriptor openRelative(SubtreeJob &job, int root, const std::string &rel, const std::string &pathForErrors)
{
    Descriptor at(::dup(root));
    std::size_t from = 0;
    while (from < rel.size()) {
        std::size_t to = rel.find('/', from);
        if (to == std::string::npos)
            to = rel.size();
        std::string name = rel.substr(from, to - from);
        at = job.openFolder(at.get(), name.c_str(), pathForErrors);
        from = to + 1;
    }
    return at;
}

unsigned workerCount()
{
    unsigned n = std::thread::hardware_concurrency();
    return std::clamp(n, 1u, 8u);
}

class Split {
public:
    Split(const std::string &path, SubtreeJob &job, WalkProgress *progress)
        : m_path(path), m_job(job), m_progress(progress), m_root(openFolderAt(AT_FDCWD, path.c_str(), path))
    {
    }

    void run()
    {
        unsigned workers = workerCount();
        if (workers == 1) {
            m_job.subtree(std::move(m_root), m_path, m_progress, nullptr, TreeWalker::kDefaultBudget);
            return;
        }
        std::vector<std::vector<std::string>> levels{{""}};
        for (int level = 0; level < kMostSplitLevels && !levels.back().empty() &&
                            levels.back().size() < kTasksPerThread * workers;
             ++level)
            levels.push_back(readLevel(levels.back()));
        runTasks(levels.back(), workers);
        for (auto level = levels.rbegin(); level != levels.rend() - 1; ++level)
            for (auto rel = level->rbegin(); rel != level->rend(); ++rel)
                m_job.folderDone(m_root.get(), *rel);
    }

private:
    // Reads every folder of one level, hands its other entries to the job, returns the next level.
    std::vector<std::string> readLevel(const std::vector<std::string> &level)
    {
        std::vector<std::string> next;
        DirListing listing;
        for (const std::string &rel : level) {
            if (m_progress && m_progress->cancel.load(std::memory_order_relaxed))
                throw interrupted();
            std::string path = join(m_path, rel);
            Descriptor fd = openRelative(m_job, m_root.get(), rel, path);
            listing.read(fd.get(), path);
            m_job.folderStart(fd.get(), rel);
            std::uint64_t count = 1;
            listing.forEach([&](const char *name, EntryType type) {
                ++count;
                if (type == EntryType::Unknown)
                    type = typeAt(fd.get(), name);
                if (type != EntryType::Folder)
                    m_job.file(fd.get(), path, name, type);
                else if (m_job.wanted(fd.get(), name))
                    next.push_back(join(rel, name));
            });
            if (m_progress)
                m_progress->entries.fetch_add(count, std::memory_order_relaxed);
        }
        return next;
    }

    void runTasks(const std::vector<std::string> &tasks, unsigned workers)
    {
        workers = static_cast<unsigned>(std::min<std::size_t>(workers, tasks.size()));
        // Kept out of the walkers' share: the split's own descriptors (its root, a copy's destination
        // and current folder, one being opened) and the two files each worker may have open.
        int shares = static_cast<int>(std::max(1u, workers));
        int budget = std::max(8, (TreeWalker::kDefaultBudget - 4 - 2 * shares) / shares);
        auto work = [&] {
            for (std::size_t i = m_next++; i < tasks.size() && !m_stop; i = m_next++)
                runTask(tasks[i], budget);
        };
        std::vector<std::thread> threads;
        for (unsigned i = 1; i < workers; ++i)
            threads.emplace_back(work);
        work();
        for (std::thread &t : threads)
            t.join();
        if (m_error)
            std::rethrow_exception(m_error);
    }

    void runTask(const std::string &rel, int budget)
    {
        try {
            std::string path = join(m_path, rel);
            m_job.subtree(openRelative(m_job, m_root.get(), rel, path), path, m_progress, &m_stop, budget);
        } catch (...) {
            std::lock_guard lock(m_mutex);
            if (!m_error)
                m_error = std::current_exception();
            m_stop = true;
        }
    }

    const std::string &m_path;
    SubtreeJob &m_job;
    WalkProgress *m_progress;
    Descriptor m_root;
    std::atomic<std::size_t> m_next{0};
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::exception_ptr m_error;
};

} // namespace

void runSplit(const std::string &path, SubtreeJob &job, WalkProgress *progress) { Split(path, job, progress).run(); }

} // namespace rnx10::walk

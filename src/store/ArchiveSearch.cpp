#include "store/ArchiveSearch.h"

#include "platform/Paths.h"
#include "platform/walk/SubtreeSplit.h"
#include "platform/walk/TreeWalker.h"
#include "platform/walk/WorkerThreads.h"

#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>
#include <variant>
#include <vector>

namespace rnx10 {

namespace {

constexpr std::size_t kArchivesPerHelper = 4; // archives searched ahead of the one handed out, per helper
constexpr std::size_t kMostHeld = 4096;       // finds an archive holds before its helper waits
constexpr int kFoldersPerHelper = 16;         // folders a helper's walk holds open at most

// Reports the matching names of one copy; a sub-folder that cannot be opened is told and skipped.
class MatchVisitor : public walk::TreeVisitor {
public:
    MatchVisitor(const std::string &pattern, const SearchReceiver &receiver, const StoreArchive &archive,
                 const std::string &copyPath)
        : m_pattern(pattern), m_receiver(receiver), m_copyPath(copyPath)
    {
        static_cast<ArchiveOrigin &>(m_found) = originOf(archive);
    }

    void entry(const walk::Folder &at, const char *name, walk::EntryType) override { match(at, name); }

    bool enter(const walk::Folder &at, const char *name) override
    {
        match(at, name);
        m_next.reset(walk::tryOpenFolderAt(at.fd, name));
        if (m_next.valid())
            return true;
        const std::string path = at.childPath(name);
        if (m_receiver.unreadable)
            m_receiver.unreadable(path, err::fromErrno(errno, path));
        return false;
    }

    Descriptor open(const walk::Folder &, const char *) override { return std::move(m_next); }

private:
    void match(const walk::Folder &at, const char *name)
    {
        if (::fnmatch(m_pattern.c_str(), name, FNM_CASEFOLD) != 0)
            return;
        struct stat st{};
        if (::fstatat(at.fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            return; // gone since the listing
        m_found.storePath = at.childPath(name);
        m_found.relative = m_found.storePath.substr(m_copyPath.size() + 1);
        m_found.facts = factsOf(st);
        m_receiver.found(m_found);
    }

    const std::string &m_pattern;
    const SearchReceiver &m_receiver;
    const std::string &m_copyPath;
    FoundEntry m_found;
    Descriptor m_next; // the sub-folder enter() opened, for open() to hand over
};

void searchCopy(const StoreArchive &archive, const std::string &pattern, const SearchReceiver &receiver,
                walk::WalkProgress *progress, const std::atomic<bool> *stop)
{
    const std::string copyPath = copyPathOf(archive);
    try {
        Descriptor copy = openCopy(archive);
        MatchVisitor visitor(pattern, receiver, archive, copyPath);
        walk::TreeWalker walker(visitor, progress, kFoldersPerHelper);
        walker.setStop(stop);
        walker.run(std::move(copy), copyPath);
    } catch (const AutomationError &e) {
        if (e.number() == walk::UserInterrupt)
            throw;
        if (receiver.unreadable)
            receiver.unreadable(copyPath, e);
    }
}

struct Unreadable {
    std::string path;
    AutomationError error;
};
using Event = std::variant<FoundEntry, Unreadable>;

// One archive's part of the search: its copy searched on a helper, what it finds held until every
// archive before it has been handed out.
struct Share {
    StoreArchive archive;
    Descriptor folder;         // the archive folder, held for the helper
    std::vector<Event> events; // not handed out yet, in the order found
    bool taken = false;        // a helper has started on it
    bool done = false;
    std::exception_ptr error;  // the search was stopped (error 18)
};

// Copies are searched on helper threads, a few archives ahead; their finds are handed to the
// receiver on the calling thread, archive by archive in the walk's order, those of the first
// archive as they come. Each archive holds at most kMostHeld finds not yet handed out: a helper
// that gets that far ahead waits.
class OrderedSearch {
public:
    OrderedSearch(const std::string &pattern, const SearchReceiver &receiver, walk::WalkProgress *progress)
        : m_pattern(pattern), m_receiver(receiver), m_progress(progress)
    {
        const unsigned helpers = walk::coreCount();
        m_window = kArchivesPerHelper * helpers;
        for (unsigned i = 0; i < helpers; ++i)
            walk::tryAddThread(m_helpers, [this] { help(); });
    }

    // False when the system refused every helper: then nothing would search the shares.
    bool helped() const { return !m_helpers.empty(); }

    ~OrderedSearch()
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

    void addArchive(const StoreArchive &archive)
    {
        auto share = std::make_unique<Share>();
        share->folder.reset(::fcntl(archive.fd, F_DUPFD_CLOEXEC, 0));
        if (!share->folder.valid()) {
            addEvent(Unreadable{archive.folder, err::fromErrno(errno, archive.folder)});
            return;
        }
        share->archive = archive;
        share->archive.fd = share->folder.get();
        add(std::move(share));
    }

    // A store folder the archive walk could not read, told in its place among the archives.
    void addEvent(Event event)
    {
        auto share = std::make_unique<Share>();
        share->events.push_back(std::move(event));
        share->taken = share->done = true;
        add(std::move(share));
    }

    void finish()
    {
        std::unique_lock lock(m_mutex);
        while (!m_shares.empty())
            handOutFirst(lock);
    }

private:
    void add(std::unique_ptr<Share> share)
    {
        std::unique_lock lock(m_mutex);
        while (m_shares.size() >= m_window)
            handOutFirst(lock);
        m_shares.push_back(std::move(share));
        m_changed.notify_all();
    }

    // Waits for news of the first share and hands it to the receiver, without the lock.
    void handOutFirst(std::unique_lock<std::mutex> &lock)
    {
        Share &first = *m_shares.front();
        m_changed.wait(lock, [&] { return first.done || !first.events.empty(); });
        std::vector<Event> events = std::move(first.events);
        first.events.clear();
        const bool done = first.done;
        const std::exception_ptr error = first.error;
        if (done)
            m_shares.pop_front();
        m_changed.notify_all();
        lock.unlock();
        for (const Event &event : events) {
            // Nothing is handed out after a cancel, whatever the helpers found ahead.
            if (m_progress && m_progress->cancel.load(std::memory_order_relaxed))
                throw walk::interrupted();
            if (const auto *found = std::get_if<FoundEntry>(&event))
                m_receiver.found(*found);
            else if (m_receiver.unreadable)
                m_receiver.unreadable(std::get<Unreadable>(event).path, std::get<Unreadable>(event).error);
        }
        if (error)
            std::rethrow_exception(error);
        lock.lock();
    }

    // Helpers run at the calling thread's priority: a window's worker has stepped back already.
    void help()
    {
        for (;;) {
            std::unique_lock lock(m_mutex);
            Share *share = nullptr;
            m_changed.wait(lock, [&] { return m_stop || (share = nextUntaken()) != nullptr; });
            if (m_stop)
                return;
            share->taken = true;
            lock.unlock();
            search(*share);
        }
    }

    Share *nextUntaken() const
    {
        for (const auto &share : m_shares)
            if (!share->taken)
                return share.get();
        return nullptr;
    }

    void search(Share &share)
    {
        SearchReceiver collect;
        collect.found = [&](const FoundEntry &f) { keep(share, f); };
        collect.unreadable = [&](const std::string &path, const AutomationError &e) { keep(share, Unreadable{path, e}); };
        std::exception_ptr error;
        try {
            searchCopy(share.archive, m_pattern, collect, m_progress, &m_stopFlag);
        } catch (...) {
            error = std::current_exception();
        }
        std::lock_guard lock(m_mutex);
        share.error = error;
        share.done = true;
        share.folder.reset();
        m_changed.notify_all();
    }

    void keep(Share &share, Event event)
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return m_stop || share.events.size() < kMostHeld || isFirst(share); });
        if (m_stop)
            throw walk::interrupted();
        share.events.push_back(std::move(event));
        if (isFirst(share))
            m_changed.notify_all();
    }

    bool isFirst(const Share &share) const { return !m_shares.empty() && m_shares.front().get() == &share; }

    const std::string &m_pattern;
    const SearchReceiver &m_receiver;
    walk::WalkProgress *m_progress;
    std::size_t m_window = 0;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::unique_ptr<Share>> m_shares;
    bool m_stop = false;
    std::atomic<bool> m_stopFlag{false};
    std::vector<std::thread> m_helpers;
};

} // namespace

void searchArchives(const std::string &computerFolder, const std::string &pattern, const DateRange &range,
                    const SearchReceiver &receiver, walk::WalkProgress *progress)
{
    if (pattern.empty())
        throw err::invalidCall("the name pattern is empty");
    progress = walk::progressOrThread(progress);
    OrderedSearch search(pattern, receiver, progress);
    ArchiveVisitor visitor;
    if (search.helped()) {
        visitor.unreadable = [&](const std::string &path, const AutomationError &e) { search.addEvent(Unreadable{path, e}); };
        visitor.archive = [&](const StoreArchive &archive) {
            if (archive.copyBelow)
                search.addArchive(archive);
        };
    } else {
        // No helper could start: each copy is searched here, in the walk's order.
        visitor.unreadable = [&](const std::string &path, const AutomationError &e) {
            if (receiver.unreadable)
                receiver.unreadable(path, e);
        };
        visitor.archive = [&](const StoreArchive &archive) {
            if (archive.copyBelow)
                searchCopy(archive, pattern, receiver, progress, nullptr);
        };
    }
    forEachArchive(computerFolder, range, visitor, progress);
    search.finish();
}

} // namespace rnx10

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
#include <iterator>
#include <memory>
#include <mutex>
#include <thread>
#include <variant>
#include <vector>

namespace rnx10 {

namespace {

constexpr std::size_t kArchivesPerShare = 8;   // archives a share takes at most
constexpr std::size_t kArchivesPerHelper = 4;  // shares searched ahead of the one handed out, per helper
constexpr std::size_t kMostHeld = 4096;        // finds a share holds before its helper waits
constexpr std::size_t kBatch = 256;            // finds a helper gathers before it passes them on
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

// An archive to search, its folder held open for whoever searches it.
struct HeldArchive {
    StoreArchive archive;
    Descriptor folder;
};

// A few archives' part of the search, in the walk's order: their copies searched on a helper, what
// they find held until every archive before them has been handed out. Small archives cost more in
// the hand-off than in the search, so a share takes up to kArchivesPerShare of them.
struct Share {
    std::vector<HeldArchive> archives;
    std::vector<Event> events; // not handed out yet, in the order found
    bool closed = false;       // takes no more archives: a helper may start on it
    bool taken = false;        // a helper (or the calling thread) has started on it
    bool done = false;
    std::exception_ptr error;  // the search was stopped (error 18)
};

// Copies are searched on helper threads, a number of shares ahead; their finds are handed to the
// receiver on the calling thread, archive by archive in the walk's order. What it costs is the
// waking: so a helper passes its finds on in batches, and at once only for the share being handed
// out; each thread is woken only when there is something for it; and the calling thread, rather
// than wait for a share no helper has started, searches it itself and hands its finds straight
// out. Each share holds at most kMostHeld finds not yet handed out: a helper that gets that far
// ahead waits.
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
        m_work.notify_all();
        m_room.notify_all();
        for (std::thread &t : m_helpers)
            t.join();
    }

    void addArchive(const StoreArchive &archive)
    {
        HeldArchive held;
        held.folder.reset(::fcntl(archive.fd, F_DUPFD_CLOEXEC, 0));
        if (!held.folder.valid()) {
            addEvent(Unreadable{archive.folder, err::fromErrno(errno, archive.folder)});
            return;
        }
        held.archive = archive;
        held.archive.fd = held.folder.get();
        std::unique_lock lock(m_mutex);
        Share *last = m_shares.empty() ? nullptr : m_shares.back().get();
        if (last && !last->closed) {
            last->archives.push_back(std::move(held));
            if (last->archives.size() == kArchivesPerShare)
                close(*last);
            return;
        }
        auto share = std::make_unique<Share>();
        share->archives.push_back(std::move(held));
        add(std::move(share), lock);
    }

    // A store folder the archive walk could not read, told in its place among the archives.
    void addEvent(Event event)
    {
        auto share = std::make_unique<Share>();
        share->events.push_back(std::move(event));
        share->closed = share->taken = share->done = true;
        std::unique_lock lock(m_mutex);
        add(std::move(share), lock);
    }

    void finish()
    {
        std::unique_lock lock(m_mutex);
        if (!m_shares.empty())
            close(*m_shares.back());
        while (!m_shares.empty())
            handOutFirst(lock);
    }

private:
    void add(std::unique_ptr<Share> share, std::unique_lock<std::mutex> &lock)
    {
        if (!m_shares.empty())
            close(*m_shares.back());
        while (m_shares.size() >= m_window)
            handOutFirst(lock);
        const bool first = m_shares.empty();
        m_shares.push_back(std::move(share));
        if (first)
            m_first.store(m_shares.front().get(), std::memory_order_release);
    }

    // The share takes no more archives; an idle helper may start on it.
    void close(Share &share)
    {
        if (share.closed)
            return;
        share.closed = true;
        if (m_idleHelpers > 0)
            m_work.notify_one();
    }

    // Hands the first share's finds to the receiver, without the lock; searches it here when no
    // helper has started on it, else waits for news of it.
    void handOutFirst(std::unique_lock<std::mutex> &lock)
    {
        Share &first = *m_shares.front();
        if (!first.taken) {
            first.taken = true;
            lock.unlock();
            searchHere(first);
            lock.lock();
            popFirst();
            return;
        }
        ++m_waitingForNews;
        m_news.wait(lock, [&] { return first.done || !first.events.empty(); });
        --m_waitingForNews;
        std::vector<Event> events = std::move(first.events);
        first.events.clear();
        const bool done = first.done;
        const std::exception_ptr error = first.error;
        if (done)
            popFirst();
        else if (m_waitingForRoom > 0)
            m_room.notify_all();
        lock.unlock();
        handOut(events);
        if (error)
            std::rethrow_exception(error);
        lock.lock();
    }

    void popFirst()
    {
        m_shares.pop_front();
        m_first.store(m_shares.empty() ? nullptr : m_shares.front().get(), std::memory_order_release);
        // The new first share's helper may be waiting for room, which the first share always has.
        if (m_waitingForRoom > 0)
            m_room.notify_all();
    }

    void handOut(const std::vector<Event> &events)
    {
        for (const Event &event : events) {
            // Nothing is handed out after a cancel, whatever the helpers found ahead.
            if (m_progress && m_progress->cancel.load(std::memory_order_relaxed))
                throw walk::interrupted();
            if (const auto *found = std::get_if<FoundEntry>(&event))
                m_receiver.found(*found);
            else if (m_receiver.unreadable)
                m_receiver.unreadable(std::get<Unreadable>(event).path, std::get<Unreadable>(event).error);
        }
    }

    // The first share, searched on the calling thread: its finds go straight to the receiver.
    void searchHere(Share &share)
    {
        SearchReceiver direct;
        direct.found = [&](const FoundEntry &f) {
            if (m_progress && m_progress->cancel.load(std::memory_order_relaxed))
                throw walk::interrupted();
            m_receiver.found(f);
        };
        direct.unreadable = m_receiver.unreadable;
        for (HeldArchive &held : share.archives) {
            searchCopy(held.archive, m_pattern, direct, m_progress, nullptr);
            held.folder.reset();
        }
    }

    // Helpers run at the calling thread's priority: a window's worker has stepped back already.
    void help()
    {
        for (;;) {
            std::unique_lock lock(m_mutex);
            Share *share = nullptr;
            ++m_idleHelpers;
            m_work.wait(lock, [&] { return m_stop || (share = nextUntaken()) != nullptr; });
            --m_idleHelpers;
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
            if (share->closed && !share->taken)
                return share.get();
        return nullptr;
    }

    void search(Share &share)
    {
        std::vector<Event> batch;
        SearchReceiver collect;
        collect.found = [&](const FoundEntry &f) { keep(share, batch, f); };
        collect.unreadable = [&](const std::string &path, const AutomationError &e) { keep(share, batch, Unreadable{path, e}); };
        std::exception_ptr error;
        try {
            for (HeldArchive &held : share.archives) {
                searchCopy(held.archive, m_pattern, collect, m_progress, &m_stopFlag);
                held.folder.reset();
            }
        } catch (...) {
            error = std::current_exception();
        }
        std::lock_guard lock(m_mutex);
        moveInto(share, batch);
        share.error = error;
        share.done = true;
        if (isFirst(share) && m_waitingForNews > 0)
            m_news.notify_one();
    }

    // Gathers a find; passes the batch on when it is full, or at once while the archive is the one
    // being handed out.
    void keep(Share &share, std::vector<Event> &batch, Event event)
    {
        batch.push_back(std::move(event));
        if (batch.size() < kBatch && m_first.load(std::memory_order_acquire) != &share)
            return;
        std::unique_lock lock(m_mutex);
        ++m_waitingForRoom;
        m_room.wait(lock, [&] { return m_stop || share.events.size() < kMostHeld || isFirst(share); });
        --m_waitingForRoom;
        if (m_stop)
            throw walk::interrupted();
        moveInto(share, batch);
        if (isFirst(share) && m_waitingForNews > 0)
            m_news.notify_one();
    }

    static void moveInto(Share &share, std::vector<Event> &batch)
    {
        if (share.events.empty())
            share.events.swap(batch);
        else
            std::move(batch.begin(), batch.end(), std::back_inserter(share.events));
        batch.clear();
    }

    bool isFirst(const Share &share) const { return !m_shares.empty() && m_shares.front().get() == &share; }

    const std::string &m_pattern;
    const SearchReceiver &m_receiver;
    walk::WalkProgress *m_progress;
    std::size_t m_window = 0;
    std::mutex m_mutex;
    std::condition_variable m_work; // a share to search, or the end
    std::condition_variable m_news; // finds of the first share, or its end
    std::condition_variable m_room; // a share's finds were taken
    int m_idleHelpers = 0, m_waitingForNews = 0, m_waitingForRoom = 0;
    std::deque<std::unique_ptr<Share>> m_shares;
    std::atomic<const Share *> m_first{nullptr}; // read without the lock: only whether to pass finds on now
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

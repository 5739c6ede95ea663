// The archive search on a worker thread, its finds handed to the window's thread in batches: the
// window takes what has come at each tick of its own timer, so it never waits on the disk.
#pragma once

#include "store/ArchiveSearch.h"

#include <atomic>
#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace rnx10 {

class SearchFeed {
public:
    // A folder or file the search could not read, and why (put in words on the window's thread).
    struct Unreadable {
        std::string path;
        AutomationError error;
    };
    struct Batch {
        std::vector<FoundEntry> found;
        std::vector<Unreadable> unreadable;
        bool finished = false;               // the search has ended (all found so far included)
        std::optional<AutomationError> error; // why it ended early, when it did (18 after cancel())
    };

    // Starts the search of computerFolder's archives at once.
    SearchFeed(std::string computerFolder, std::string pattern, DateRange range);
    // Cancels the search and waits for the worker.
    ~SearchFeed();
    SearchFeed(const SearchFeed &) = delete;
    SearchFeed &operator=(const SearchFeed &) = delete;

    // What has come since the last take, at most most finds.
    Batch take(std::size_t most);
    void cancel() { m_progress.cancel = true; }

private:
    void run(const std::string &computerFolder, const std::string &pattern, const DateRange &range);

    walk::WalkProgress m_progress;
    std::mutex m_mutex;
    std::deque<FoundEntry> m_found; // found, not taken yet
    Batch m_pending;                 // the rest of what is not taken yet
    std::optional<std::thread> m_worker; // none when the system refused it
};

} // namespace rnx10

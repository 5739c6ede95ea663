#include "recovery/SearchFeed.h"

#include "platform/Translation.h"
#include "platform/walk/WorkerPriority.h"
#include "platform/walk/WorkerThreads.h"

#include <algorithm>
#include <exception>
#include <iterator>

namespace rnx10 {

SearchFeed::SearchFeed(std::string computerFolder, std::string pattern, DateRange range)
{
    std::string why;
    m_worker = walk::tryStartThread(
        [this, computerFolder = std::move(computerFolder), pattern = std::move(pattern), range] {
            run(computerFolder, pattern, range);
        },
        &why);
    if (!m_worker) {
        // Searched on the window's thread it would freeze the window: the search ends, told why.
        m_pending.error = err::pathFileAccess(fillIn(tx("SearchFeed", "the search cannot start now: %1"), {why}));
        m_pending.finished = true;
    }
}

SearchFeed::~SearchFeed()
{
    cancel();
    if (m_worker)
        m_worker->join();
}

void SearchFeed::run(const std::string &computerFolder, const std::string &pattern, const DateRange &range)
{
    walk::lowerWorkerPriority(); // the search's helpers start from here and keep it
    SearchReceiver receiver;
    receiver.found = [this](const FoundEntry &f) {
        std::lock_guard lock(m_mutex);
        m_found.push_back(f);
    };
    receiver.unreadable = [this](const std::string &path, const AutomationError &e) {
        std::lock_guard lock(m_mutex);
        m_pending.unreadable.push_back({path, e});
    };
    std::optional<AutomationError> error;
    try {
        searchArchives(computerFolder, pattern, range, receiver, &m_progress);
    } catch (const AutomationError &e) {
        error = e;
    } catch (const std::exception &e) {
        error = err::pathFileAccess(e.what());
    }
    std::lock_guard lock(m_mutex);
    m_pending.error = error;
    m_pending.finished = true;
}

SearchFeed::Batch SearchFeed::take(std::size_t most)
{
    std::lock_guard lock(m_mutex);
    Batch batch;
    const auto end = m_found.begin() + static_cast<std::ptrdiff_t>(std::min(most, m_found.size()));
    batch.found.assign(std::make_move_iterator(m_found.begin()), std::make_move_iterator(end));
    m_found.erase(m_found.begin(), end);
    batch.unreadable.swap(m_pending.unreadable);
    batch.finished = m_pending.finished && m_found.empty();
    if (batch.finished)
        batch.error = m_pending.error;
    return batch;
}

} // namespace rnx10

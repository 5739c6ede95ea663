#include "thinning/RunSizes.h"

#include "automation/AutomationError.h"
#include "store/HeldStoreFolder.h"
#include "platform/walk/WorkerThreads.h"

#include <chrono>

namespace rnx10 {

namespace {
// A batch goes to the window when it is this old or this big, whichever comes first.
constexpr std::chrono::milliseconds kBatchAge{40};
constexpr std::size_t kBatchSize = 256;
} // namespace

RunSizes::RunSizes(QObject *parent, Measured measured) : QObject(parent), m_measured(std::move(measured)) {}

RunSizes::~RunSizes() { stop(); }

void RunSizes::stop()
{
    ++m_generation;
    m_progress.cancel = true;
    if (m_worker && m_worker->joinable())
        m_worker->join();
    m_worker.reset();
    m_progress.cancel = false;
}

void RunSizes::deliver(std::vector<MeasuredRun> batch, unsigned generation)
{
    QMetaObject::invokeMethod(
        this, [this, batch = std::move(batch), generation] {
            if (generation == m_generation)
                m_measured(batch);
        },
        Qt::QueuedConnection);
}

void RunSizes::measure(const BrowserFolders &folders, const std::vector<std::string> &runs)
{
    stop();
    m_worker = walk::tryStartThread([this, folders, runs, generation = m_generation] {
        std::vector<MeasuredRun> batch;
        auto started = std::chrono::steady_clock::now();
        for (std::size_t i = 0; i < runs.size() && !m_progress.cancel; ++i) {
            std::optional<std::uint64_t> bytes;
            try {
                walk::ScopedProgress scope(&m_progress);
                if (const std::optional<HeldStoreFolder> held = holdStoreFolder(folders, runs[i]))
                    bytes = walk::treeSizeOf(held->folder, held->path, &m_progress);
            } catch (const AutomationError &) {
                // Shown as unknown; the deletion tells its own errors.
            }
            if (m_progress.cancel)
                return; // a size cut short is no size
            batch.push_back({runs[i], bytes});
            if (batch.size() >= kBatchSize || std::chrono::steady_clock::now() - started >= kBatchAge) {
                deliver(std::move(batch), generation);
                batch = {};
                started = std::chrono::steady_clock::now();
            }
        }
        if (!batch.empty())
            deliver(std::move(batch), generation);
    });
    if (!m_worker) { // no thread for the sizes now: they show as unknown
        std::vector<MeasuredRun> unknown;
        for (const std::string &run : runs)
            unknown.push_back({run, std::nullopt});
        deliver(std::move(unknown), m_generation);
    }
}

} // namespace rnx10

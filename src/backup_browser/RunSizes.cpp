#include "backup_browser/RunSizes.h"

#include "automation/AutomationError.h"
#include "backup_browser/core/HeldStoreFolder.h"
#include "platform/walk/WorkerThreads.h"

namespace rnx10 {

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

void RunSizes::measure(const BrowserFolders &folders, const std::vector<std::string> &runs)
{
    stop();
    m_worker = walk::tryStartThread([this, folders, runs, generation = m_generation] {
        for (std::size_t i = 0; i < runs.size() && !m_progress.cancel; ++i) {
            std::optional<std::uint64_t> bytes;
            try {
                walk::ScopedProgress scope(&m_progress);
                if (const std::optional<HeldStoreFolder> held = holdStoreFolder(folders, runs[i]))
                    bytes = walk::treeSizeOf(held->folder, held->path, &m_progress);
            } catch (const AutomationError &) {
                // Shown as unknown; the deletion tells its own errors.
            }
            QMetaObject::invokeMethod(
                this, [this, i, bytes, generation] {
                    if (generation == m_generation)
                        m_measured(i, bytes);
                },
                Qt::QueuedConnection);
        }
    });
    if (!m_worker) // no thread for the sizes now: they show as unknown
        for (std::size_t i = 0; i < runs.size(); ++i)
            QMetaObject::invokeMethod(
                this, [this, i, generation = m_generation] {
                    if (generation == m_generation)
                        m_measured(i, std::nullopt);
                },
                Qt::QueuedConnection);
}

} // namespace rnx10

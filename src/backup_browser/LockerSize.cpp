#include "backup_browser/LockerSize.h"

#include "automation/AutomationError.h"
#include "store/StoreScan.h"
#include "platform/FileSystemObject.h"
#include "platform/Translation.h"
#include "platform/walk/WorkerPriority.h"
#include "platform/walk/WorkerThreads.h"
#include "services/ServiceSet.h"

#include <QMetaObject>

namespace rnx10 {

LockerSize::LockerSize(QObject *parent, Shown shown, Failed failed)
    : QObject(parent), m_shown(std::move(shown)), m_failed(std::move(failed))
{
}

LockerSize::~LockerSize()
{
    m_progress.cancel = true;
    if (m_worker.joinable())
        m_worker.join();
}

void LockerSize::scanned(const std::string &computer, const std::string &measuredFolder)
{
    if (computer != m_computer) {
        // Another store (its key changed meanwhile): what was known is not its size.
        if (!m_computer.empty())
            m_bytes.reset();
        m_computer = computer;
    }
    show();
    if (m_started)
        return;
    m_started = true;
    // Held, not borrowed: the walk outlives nothing it uses even if the set is released meanwhile.
    std::shared_ptr<FileSystemObject> fs = services().fileSystemShared();
    std::string refused;
    std::optional<std::thread> worker = walk::tryStartThread([this, fs, folder = measuredFolder] {
        walk::lowerWorkerPriority();
        walk::ScopedProgress current(&m_progress);
        std::optional<std::uint64_t> bytes;
        std::optional<AutomationError> failure;
        std::string error;
        try {
            bytes = fs->folderSize(folder);
        } catch (const AutomationError &e) {
            failure = e;
        } catch (const std::exception &e) {
            error = e.what();
        }
        // Delivered on the window's thread, where the error is put in the user's words; dropped if
        // the window has gone meanwhile.
        QMetaObject::invokeMethod(
            this, [this, bytes, failure, error] { finished(bytes, failure ? shownDescription(*failure) : error); },
            Qt::QueuedConnection);
    }, &refused);
    if (!worker) {
        // No thread to measure on: the size stays unknown, said as a failed walk says it, and the
        // next scan tries again.
        m_started = false;
        m_failed(fillIn(tr("the size cannot be measured now: %1").toStdString(), {refused}));
        return;
    }
    m_worker = std::move(*worker);
}

void LockerSize::removed(std::uint64_t bytes)
{
    if (running())
        m_changedMeanwhile = true;
    if (m_bytes) {
        m_bytes = *m_bytes > bytes ? *m_bytes - bytes : 0;
        show();
    }
}

void LockerSize::finished(std::optional<std::uint64_t> bytes, const std::string &error)
{
    m_done = true;
    m_worker.join();
    if (bytes) {
        m_bytes = bytes;
        show();
    } else if (!m_changedMeanwhile && !m_progress.cancel) {
        // A walk that met a folder being deleted under it says nothing about the store.
        m_failed(error);
    }
}

void LockerSize::show()
{
    if (m_bytes)
        m_shown(lockerToolTipText(m_computer, *m_bytes));
}

} // namespace rnx10

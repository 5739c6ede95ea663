#include "backup_browser/OperationJobs.h"

#include "automation/AutomationError.h"
#include "store/ArchiveDeletion.h"
#include "store/FolderRestore.h"
#include "store/HeldStoreFolder.h"
#include "store/StoreReport.h"
#include "platform/FileSystemObject.h"
#include "services/ServiceSet.h"
#include "ui/WindowJob.h"

#include <QCoreApplication>
#include <QFile>

namespace rnx10 {

namespace {

QString shown(const std::string &path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

// The dialogs belong to the browser and take its texts' context (its tr's).
ProgressRunner::Task task(const QString &title, const QString &text, bool cancellable)
{
    ProgressRunner::Task t;
    t.title = title;
    t.text = text;
    t.cancellable = cancellable;
    return t;
}

} // namespace

std::optional<std::uint64_t> deleteWithProgress(QWidget *window, const HeldStoreFolder &held, bool measure)
{
    // Held, not borrowed: the worker outlives nothing it uses even if the set is released meanwhile.
    const auto fs = services().fileSystemShared();
    std::optional<std::uint64_t> measured;
    const ProgressRunner::Task deleting =
        task(QCoreApplication::translate("rnx10::frmBackUpRestoreA", "Deleting..."),
             QCoreApplication::translate("rnx10::frmBackUpRestoreA", "Deleting %1").arg(shown(held.path)), false);
    WindowJob::run(window, deleting, [&](walk::WalkProgress &) {
        measured = deleteHeldFolder(*fs, held, measure ? HeldMeasure(heldFolderSize) : HeldMeasure());
    });
    return measured;
}

RestoreDone restoreWithProgress(QWidget *window, const std::string &copyDir, const std::string &sourceDir,
                                const std::string &storeRoot)
{
    const auto held = services().fileSystemShared();
    FileSystemObject &fso = *held;
    StagedRestore staged;
    const QString title = QCoreApplication::translate("rnx10::frmBackUpRestoreA", "Restoring...");
    const QString copying =
        QCoreApplication::translate("rnx10::frmBackUpRestoreA", "Copying %1\nto %2").arg(shown(copyDir), shown(sourceDir));
    WindowJob::run(window, task(title, copying, true), [&](walk::WalkProgress &progress) {
        staged = stageRestore(fso, copyDir, sourceDir, storeRoot);
        // Cancel pressed as the copy ended: still nothing of the source is touched.
        if (progress.cancel) {
            discardRestore(fso, staged);
            throw walk::interrupted();
        }
    });
    const QString putting =
        QCoreApplication::translate("rnx10::frmBackUpRestoreA", "Putting the copy in place of %1").arg(shown(sourceDir));
    RestoreDone done;
    done.skipped = staged.skipped;
    WindowJob::run(window, task(title, putting, false), [&](walk::WalkProgress &) { done.replaced = completeRestore(fso, staged); });
    return done;
}

void reportWithProgress(QWidget *window, const std::string &root, const std::string &reportPath)
{
    const auto fs = services().fileSystemShared();
    const ProgressRunner::Task reporting =
        task(QCoreApplication::translate("rnx10::frmBackUpRestoreA", "Report..."),
             QCoreApplication::translate("rnx10::frmBackUpRestoreA", "Listing the folders of %1").arg(shown(root)), true);
    WindowJob::run(window, reporting, [&](walk::WalkProgress &) { writeStoreReport(*fs, root, reportPath); });
}

} // namespace rnx10

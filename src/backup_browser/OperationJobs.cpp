#include "backup_browser/OperationJobs.h"

#include "automation/AutomationError.h"
#include "backup_browser/core/ArchiveDeletion.h"
#include "backup_browser/core/FolderRestore.h"
#include "backup_browser/core/HeldStoreFolder.h"
#include "backup_browser/core/StoreReport.h"
#include "platform/FileSystemObject.h"
#include "services/ServiceSet.h"
#include "ui/WindowJob.h"

#include <QCoreApplication>
#include <QFile>

namespace rnx10 {

namespace {

QString tr(const char *text) { return QCoreApplication::translate("frmBackUpRestoreA", text); }

QString shown(const std::string &path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

ProgressRunner::Task task(const char *title, const QString &text, bool cancellable)
{
    ProgressRunner::Task t;
    t.title = tr(title);
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
    WindowJob::run(window, task("Deleting...", tr("Deleting %1").arg(shown(held.path)), false),
                   [&](walk::WalkProgress &) {
                       measured = deleteHeldFolder(*fs, held, measure ? HeldMeasure(heldFolderSize) : HeldMeasure());
                   });
    return measured;
}

void restoreWithProgress(QWidget *window, const std::string &copyDir, const std::string &sourceDir,
                         const std::string &storeRoot)
{
    const auto held = services().fileSystemShared();
    FileSystemObject &fso = *held;
    StagedRestore staged;
    WindowJob::run(window, task("Restoring...", tr("Copying %1\nto %2").arg(shown(copyDir), shown(sourceDir)), true),
                   [&](walk::WalkProgress &progress) {
                       staged = stageRestore(fso, copyDir, sourceDir, storeRoot);
                       // Cancel pressed as the copy ended: still nothing of the source is touched.
                       if (progress.cancel) {
                           discardRestore(fso, staged);
                           throw walk::interrupted();
                       }
                   });
    WindowJob::run(window, task("Restoring...", tr("Putting the copy in place of %1").arg(shown(sourceDir)), false),
                   [&](walk::WalkProgress &) { completeRestore(fso, staged); });
}

void reportWithProgress(QWidget *window, const std::string &root, const std::string &reportPath)
{
    const auto fs = services().fileSystemShared();
    WindowJob::run(window, task("Report...", tr("Listing the folders of %1").arg(shown(root)), true),
                   [&](walk::WalkProgress &) { writeStoreReport(*fs, root, reportPath); });
}

} // namespace rnx10

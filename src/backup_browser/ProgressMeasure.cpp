#include "backup_browser/ProgressMeasure.h"

#include "platform/FileSystemObject.h"
#include "services/ServiceSet.h"
#include "ui/WindowJob.h"

#include <QCoreApplication>
#include <QFile>

namespace rnx10 {

FolderMeasure measureWithProgress(QWidget *window)
{
    return [window](const std::string &folder) {
        const auto held = services().fileSystemShared(); // kept alive for the worker
        FileSystemObject &fso = *held;
        ProgressRunner::Task task;
        task.title = QCoreApplication::translate("rnx10::frmBackUpRestoreA", "Measuring...");
        task.text = QCoreApplication::translate("rnx10::frmBackUpRestoreA", "Measuring %1")
                        .arg(QFile::decodeName(QByteArray::fromStdString(folder)));
        task.cancellable = true;
        std::uint64_t bytes = 0;
        WindowJob::run(window, task, [&](walk::WalkProgress &) { bytes = fso.folderSize(folder); });
        return bytes;
    };
}

} // namespace rnx10

#include "ui/ProgressRunner.h"

#include "ui/Accessibility.h"
#include "platform/walk/WorkerPriority.h"
#include "platform/walk/WorkerThreads.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QEventLoop>
#include <QPointer>
#include <QProgressDialog>
#include <QShortcut>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <exception>
#include <optional>
#include <thread>

namespace rnx10 {

namespace {

constexpr int kRefreshMs = 100;

QString progressText(const ProgressRunner::Task &task, const walk::WalkProgress &progress)
{
    qulonglong entries = progress.entries.load(std::memory_order_relaxed);
    qulonglong megabytes = progress.bytes.load(std::memory_order_relaxed) / (1024 * 1024);
    QString counts = QCoreApplication::translate("ProgressRunner", "%L1 entries, %L2 MB").arg(entries).arg(megabytes);
    if (progress.cancel.load(std::memory_order_relaxed))
        counts += QCoreApplication::translate("ProgressRunner", " - stopping...");
    return task.text + "\n" + counts;
}

// A job's dialog goes away only when the job ends: Escape and the window's close button do
// nothing; Cancel, where offered, asks the job to stop and the dialog stays until it has.
class JobDialog : public QProgressDialog {
public:
    using QProgressDialog::QProgressDialog;
    void finish()
    {
        m_finished = true;
        hide();
    }
    void reject() override
    {
        if (m_finished)
            QProgressDialog::reject();
    }

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Escape && !m_finished) {
            event->accept();
            return;
        }
        QProgressDialog::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent *event) override
    {
        // QProgressDialog would take a close for Cancel.
        if (!m_finished)
            event->ignore();
    }

private:
    bool m_finished = false;
};

// The modal dialog of a job that outlasted the delay; it runs the loop until the job ends.
void waitWithDialog(QWidget *parent, const ProgressRunner::Task &task, walk::WalkProgress &progress, QEventLoop &loop)
{
    JobDialog dialog(parent);
    // No close button: only Cancel (where offered) speaks to the job.
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    dialog.setWindowTitle(task.title);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setMinimumDuration(0);
    dialog.setRange(0, task.expectedEntries ? 1000 : 0);
    if (!task.cancellable)
        dialog.setCancelButton(nullptr);
    // The dialog's own Escape shortcut would cancel: only the button does.
    for (QShortcut *shortcut : dialog.findChildren<QShortcut *>())
        shortcut->setEnabled(false);
    dialog.setLabelText(progressText(task, progress));
    nameInnerParts(&dialog);
    QObject::connect(&dialog, &QProgressDialog::canceled, &dialog, [&] {
        if (task.cancellable)
            progress.cancel = true;
        // Closing the dialog must not let the window take commands while the job still runs.
        QTimer::singleShot(0, &dialog, [&dialog] { dialog.show(); });
    });
    QTimer refresh;
    QObject::connect(&refresh, &QTimer::timeout, &dialog, [&] {
        dialog.setLabelText(progressText(task, progress));
        if (task.expectedEntries) {
            auto done = progress.entries.load(std::memory_order_relaxed);
            dialog.setValue(static_cast<int>(std::min<std::uint64_t>(done, task.expectedEntries) * 1000 / task.expectedEntries));
        }
    });
    refresh.start(kRefreshMs);
    dialog.show();
    loop.exec();
    dialog.finish();
}

} // namespace

void ProgressRunner::run(const Task &task, const Job &job)
{
    walk::WalkProgress progress;
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread()) {
        walk::ScopedProgress current(&progress);
        job(progress);
        return;
    }
    QEventLoop loop;
    QObject wake; // lives on this thread: the worker's "done" is delivered here as an event
    bool done = false;
    std::exception_ptr error;
    std::optional<std::thread> worker = walk::tryStartThread([&] {
        // The window's thread must win the cores while the job runs.
        walk::lowerWorkerPriority();
        walk::ScopedProgress current(&progress);
        try {
            job(progress);
        } catch (...) {
            error = std::current_exception();
        }
        QMetaObject::invokeMethod(&wake, [&] { done = true; loop.quit(); }, Qt::QueuedConnection);
    });
    if (!worker) {
        // The system refuses another thread: the job still runs, here, the window waiting for it.
        walk::ScopedProgress current(&progress);
        job(progress);
        return;
    }
    QTimer delay;
    delay.setSingleShot(true);
    QObject::connect(&delay, &QTimer::timeout, &loop, &QEventLoop::quit);
    delay.start(kDialogDelay);
    // Paint and timers go on; clicks and keys wait until the job is over.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!done)
        waitWithDialog(m_parent, task, progress, loop);
    worker->join();
    if (error)
        std::rethrow_exception(error);
}

} // namespace rnx10

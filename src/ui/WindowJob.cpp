#include "ui/WindowJob.h"

#include "ui/BusyGuard.h"

namespace rnx10 {

void WindowJob::run(QWidget *window, const ProgressRunner::Task &task, const ProgressRunner::Job &job)
{
    BusyGuard busy(window, BusyGuard::Kind::Job);
    ProgressRunner(window).run(task, job);
}

bool WindowJob::isRunning(const QWidget *window) { return BusyGuard::jobRunning(window); }

} // namespace rnx10

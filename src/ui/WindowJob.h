// A window's long job: run through ProgressRunner while the window counts as busy, so its
// commands refuse to start, and a request to close it waits for the job's end.
#pragma once

#include "ui/ProgressRunner.h"

class QWidget;

namespace rnx10 {

class WindowJob {
public:
    // Runs job as ProgressRunner::run does, the progress dialog owned by window; raises what the
    // job raised (error 18 after Cancel).
    static void run(QWidget *window, const ProgressRunner::Task &task, const ProgressRunner::Job &job);

    // True while a job of window runs.
    static bool isRunning(const QWidget *window);
};

} // namespace rnx10

// Runs a long file-system job on a worker thread while the window's thread keeps its event loop
// turning. A job still running after half a second gets a modal progress dialog that says what is
// being done and how far it is, with Cancel only where stopping halfway is safe. Until the job ends
// no user input reaches the windows (held back first, then blocked by the modal dialog), so no
// other command starts meanwhile.
#pragma once

#include "platform/walk/WalkProgress.h"

#include <QString>

#include <chrono>
#include <cstdint>
#include <functional>

class QWidget;

namespace rnx10 {

class ProgressRunner {
public:
    struct Task {
        QString title;                     // the dialog's title
        QString text;                      // what is being done
        bool cancellable = false;          // show Cancel (a report, a size walk; never a half-done delete)
        std::uint64_t expectedEntries = 0; // for the bar; 0 when unknown (the bar just moves)
    };
    using Job = std::function<void(walk::WalkProgress &)>;

    static constexpr std::chrono::milliseconds kDialogDelay{500};

    explicit ProgressRunner(QWidget *parent = nullptr) : m_parent(parent) {}

    // Runs job and returns when it has ended; the job's exception (an AutomationError, or error 18
    // after Cancel) is raised here, on the calling thread. Every walk inside the job reports to
    // and obeys the job's progress object, also when called through FileSystemObject without one.
    // The job runs on another thread: it must touch no widget, and services() there is that
    // thread's own set (its fileSystem() works; the other services are not created). Without a Qt application, or when called off
    // the application's thread, the job simply runs on the calling thread.
    void run(const Task &task, const Job &job);

private:
    QWidget *m_parent;
};

} // namespace rnx10

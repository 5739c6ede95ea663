#include "EventLoopPause.h"

#include "ui/ProgressRunner.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <QTimer>

#include <algorithm>

namespace rnx10::bench {

PauseResult measureEventLoopPause(const std::function<void(walk::WalkProgress &)> &job)
{
    PauseResult result;
    QElapsedTimer clock;
    qint64 last = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        qint64 at = clock.nsecsElapsed();
        result.longestPauseMs = std::max(result.longestPauseMs, (at - last) / 1e6);
        last = at;
        if (!result.dialogShown)
            for (QWidget *w : QApplication::topLevelWidgets())
                result.dialogShown = result.dialogShown || (qobject_cast<QProgressDialog *>(w) && w->isVisible());
    });
    clock.start();
    tick.start(5);
    ProgressRunner runner;
    runner.run({"Restore...", "Restoring the benchmark store", false, 0}, job);
    result.seconds = clock.nsecsElapsed() / 1e9;
    // The gap up to the job's end counts too.
    result.longestPauseMs = std::max(result.longestPauseMs, (clock.nsecsElapsed() - last) / 1e6);
    return result;
}

} // namespace rnx10::bench

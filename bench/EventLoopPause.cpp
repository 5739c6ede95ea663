#include "EventLoopPause.h"

#include "ui/ProgressRunner.h"

#include <QApplication>
#include <QProgressDialog>

#include <algorithm>

namespace rnx10::bench {

namespace {

bool progressDialogShown()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<QProgressDialog *>(w) && w->isVisible())
            return true;
    return false;
}

} // namespace

PauseWatch::PauseWatch(std::function<void()> onTick)
{
    m_tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_tick, &QTimer::timeout, [this, onTick = std::move(onTick)] {
        const qint64 at = m_clock.nsecsElapsed();
        m_longestMs = std::max(m_longestMs, (at - m_last) / 1e6);
        m_last = at;
        m_dialogShown = m_dialogShown || progressDialogShown();
        if (onTick)
            onTick();
    });
    m_clock.start();
    m_tick.start(5);
}

double PauseWatch::longestPauseMs() const { return std::max(m_longestMs, (m_clock.nsecsElapsed() - m_last) / 1e6); }

PauseResult measureEventLoopPause(const std::function<void(walk::WalkProgress &)> &job)
{
    PauseWatch watch;
    ProgressRunner runner;
    runner.run({"Restore...", "Restoring the benchmark store", false, 0}, job);
    return {watch.longestPauseMs(), watch.seconds(), watch.dialogShown()};
}

} // namespace rnx10::bench

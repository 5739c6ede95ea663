// How long the window thread's event loop goes without turning: while a job runs through
// ProgressRunner, or while anything else the caller waits for happens.
#pragma once

#include "platform/walk/WalkProgress.h"

#include <QElapsedTimer>
#include <QTimer>

#include <functional>

namespace rnx10::bench {

// A 5 ms timer on the calling thread, from construction on: the largest gap between two of its
// ticks, and whether a progress dialog showed at a tick. onTick runs at every tick after that.
class PauseWatch {
public:
    explicit PauseWatch(std::function<void()> onTick = {});
    PauseWatch(const PauseWatch &) = delete;
    PauseWatch &operator=(const PauseWatch &) = delete;

    // The longest gap so far, the one up to now included.
    double longestPauseMs() const;
    double seconds() const { return m_clock.nsecsElapsed() / 1e9; }
    bool dialogShown() const { return m_dialogShown; }

private:
    QElapsedTimer m_clock;
    QTimer m_tick;
    qint64 m_last = 0;
    double m_longestMs = 0;
    bool m_dialogShown = false;
};

struct PauseResult {
    double longestPauseMs = 0; // largest gap between two ticks of a 5 ms timer
    double seconds = 0;        // how long the job ran
    bool dialogShown = false;
};

// Needs a QApplication on the calling thread.
PauseResult measureEventLoopPause(const std::function<void(walk::WalkProgress &)> &job);

} // namespace rnx10::bench

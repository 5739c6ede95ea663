// The longest pause of the window thread's event loop while a job runs through ProgressRunner.
#pragma once

#include "platform/walk/WalkProgress.h"

#include <functional>

namespace rnx10::bench {

struct PauseResult {
    double longestPauseMs = 0; // largest gap between two ticks of a 5 ms timer
    double seconds = 0;        // how long the job ran
    bool dialogShown = false;
};

// Needs a QApplication on the calling thread.
PauseResult measureEventLoopPause(const std::function<void(walk::WalkProgress &)> &job);

} // namespace rnx10::bench

// A date click in the browser window, as a user makes it, and a load on the machine.
#pragma once

#include "SyntheticStore.h"

#include <sys/types.h>

#include <vector>

namespace rnx10::bench {

struct ClickResult {
    std::vector<double> seconds; // each click's time on the window thread, in run order
    double longestPauseMs = 0;   // the window thread's longest event-loop gap, click and size walk included
    bool dialogShown = false;
};

// Opens a fresh browser window runs times and clicks the store's sample day in its calendar, then
// waits, the loop turning, until the computer folder's size has arrived. The store and locker keys
// must point at store (BrowserSetting). Needs a QApplication on the calling thread.
ClickResult dateClicks(const Store &store, int runs);

// N processes that keep a core busy each, from construction to destruction (they also end with
// this process).
class BusyLoad {
public:
    explicit BusyLoad(int processes);
    ~BusyLoad();
    BusyLoad(const BusyLoad &) = delete;
    BusyLoad &operator=(const BusyLoad &) = delete;

private:
    std::vector<pid_t> m_pids;
};

} // namespace rnx10::bench

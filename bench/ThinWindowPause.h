// The thinning window on a store of many runs: how long its event loop stands still while the
// list shows, the sizes arrive and a number changes.
#pragma once

#include "ResultTable.h"

#include <string>

namespace rnx10::bench {

// Builds runs hour folders of files files each under scratch, opens the window on them with a
// rule that lists them all, waits for every size, then changes a number; the longest pause of the
// window thread in milliseconds against 50.
Row thinWindowPauseRow(const std::string &scratch, int runs, int files);

} // namespace rnx10::bench

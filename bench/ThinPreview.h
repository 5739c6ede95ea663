// The thinning window's preview list (no sizes) on the synthetic store.
#pragma once

#include "ResultTable.h"
#include "SyntheticStore.h"

namespace rnx10::bench {

// The default rule's plan of the store's computer folder, median of runs, in milliseconds against
// the 200 ms the window has to show its list; find listing the same hour folders is noted beside.
Row thinPreviewRow(const Store &store, int runs);

} // namespace rnx10::bench

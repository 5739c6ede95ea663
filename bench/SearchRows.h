// The archive search against find, and how soon the Find Files window shows its first result.
#pragma once

#include "ResultTable.h"
#include "SyntheticStore.h"

namespace rnx10::bench {

// Appends the search rows: the whole store searched by name against find -iname, the time from
// Find to the first row in the window when the newest hour holds a match, and the window's
// longest pause meanwhile.
void searchRows(const Store &store, int runs, Results &results);

} // namespace rnx10::bench

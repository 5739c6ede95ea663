// The archive search against find, and how soon the Find Files window shows its first result.
#pragma once

#include "ResultTable.h"
#include "SyntheticStore.h"

namespace rnx10::bench {

// Appends the search rows: the whole store searched by name against find -iname, the time from
// Find to the first row in the window when the newest hour holds a match, and the window's
// longest pause meanwhile.
void searchRows(const Store &store, int runs, Results &results);

// Appends the search of a store of many small archives (two years of hourly runs, ten files each,
// built in scratch and removed after) against find -iname: there the cost of each archive counts.
void manyArchivesSearchRow(const std::string &scratch, int runs, Results &results);

} // namespace rnx10::bench

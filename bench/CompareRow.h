// The compare walk (what a restore would change) against rsync's dry run over the same two trees.
#pragma once

#include "ResultTable.h"
#include "SyntheticStore.h"

#include <string>

namespace rnx10::bench {

// The store's computer folder stands for an archive's copy; a copy of it in scratch, with a few
// files changed, added and removed, for its source folder. Unset when rsync is not on PATH.
std::optional<Row> compareRow(const Store &store, const std::string &scratch, int runs);

} // namespace rnx10::bench

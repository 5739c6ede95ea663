// rnx10-store find PATTERN [--from YYYY-MM-DD] [--to YYYY-MM-DD]
#pragma once

#include "CommandArguments.h"
#include "RecordOutput.h"

namespace rnx10::store {

// One line per match, the newest archive first: the match's path in the store. Folders that
// cannot be read are warned about on standard error and the search goes on.
void runFind(const CommandArguments &arguments, RecordOutput &out);

} // namespace rnx10::store

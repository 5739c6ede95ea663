// rnx10-store find PATTERN [--from YYYY-MM-DD] [--to YYYY-MM-DD] [-0]
#pragma once

#include "CommandArguments.h"
#include "RecordOutput.h"

namespace rnx10::store {

// One line per match (with -0: ended by a NUL), the newest archive first: the match's path in
// the store. Folders that cannot be read are warned about on standard error and the search goes
// on; the command then exits 1, as find does.
void runFind(const CommandArguments &arguments, RecordOutput &out);

} // namespace rnx10::store

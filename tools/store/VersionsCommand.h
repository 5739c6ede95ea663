// rnx10-store versions PATH
#pragma once

#include "CommandArguments.h"
#include "RecordOutput.h"

namespace rnx10::store {

// One line per archive holding PATH, newest first: date, hour, size, modification time, changed or
// same, and the path in the store, tab-separated. No archive holding it is error 53.
void runVersions(const CommandArguments &arguments, RecordOutput &out);

} // namespace rnx10::store

// rnx10-store thin: deletes (or with --dry-run lists) the runs a thinning rule does not keep.
#pragma once

#include "CommandArguments.h"
#include "RecordOutput.h"

namespace rnx10::store {

void runThin(const CommandArguments &arguments, RecordOutput &out);

} // namespace rnx10::store

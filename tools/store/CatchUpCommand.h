// rnx10-store catch-up: runs once a scheduled backup that was missed while the computer was off.
#pragma once

#include "CommandArguments.h"
#include "RecordOutput.h"

namespace rnx10::store {

void runCatchUp(const CommandArguments &arguments, RecordOutput &out);

} // namespace rnx10::store

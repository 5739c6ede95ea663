// rnx10-store status: the newest archive and its age, each scheduled job's next run, and warnings.
#pragma once

#include "CommandArguments.h"
#include "RecordOutput.h"

namespace rnx10::store {

void runStatus(const CommandArguments &arguments, RecordOutput &out);

} // namespace rnx10::store

// rnx10-store compare ARCHIVE-FOLDER: what restoring the archive would change in its source folder.
#pragma once

#include "CommandArguments.h"
#include "RecordOutput.h"

namespace rnx10::store {

void runCompare(const CommandArguments &arguments, RecordOutput &out);

} // namespace rnx10::store

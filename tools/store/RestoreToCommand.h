// rnx10-store restore-to PATH TARGET-FOLDER: an archive, or a file or folder of its copy, restored
// into another folder under a free name.
#pragma once

#include "CommandArguments.h"
#include "RecordOutput.h"

namespace rnx10::store {

void runRestoreTo(const CommandArguments &arguments, RecordOutput &out);

} // namespace rnx10::store

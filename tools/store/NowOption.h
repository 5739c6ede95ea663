// The --now option: a fixed clock for reproducible output.
#pragma once

#include "CommandArguments.h"

#include <ctime>

namespace rnx10::store {

// The time --now 'YYYY-MM-DD HH:MM' gives (local time), else the system's clock. Raises UsageError
// for any other text.
std::time_t nowOption(const CommandArguments &arguments);

} // namespace rnx10::store

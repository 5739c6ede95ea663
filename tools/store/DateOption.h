// The --from and --to options: days in YYYY-MM-DD.
#pragma once

#include "CommandArguments.h"

#include "store/StoreArchives.h"

namespace rnx10::store {

// The range --from and --to give; a date that is not a real YYYY-MM-DD day, or a from after the
// to, is a UsageError.
DateRange dateRangeOf(const CommandArguments &arguments);

} // namespace rnx10::store

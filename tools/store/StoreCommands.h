// The sub-commands of rnx10-store, in the order --help lists them.
#pragma once

#include "CommandArguments.h"
#include "RecordOutput.h"

#include <set>
#include <string>
#include <vector>

namespace rnx10::store {

struct StoreCommand {
    const char *name;
    const char *synopsis; // the arguments after the name, as the usage shows them (English; translate at use)
    const char *summary;  // one line for --help (English; translate at use)
    std::set<std::string> valueOptions;
    std::set<std::string> flagOptions;
    // Writes the command's items to out. Raises AutomationError on an error (exit 1) and
    // UsageError on wrong arguments (exit 2).
    void (*run)(const CommandArguments &arguments, RecordOutput &out);
};

const std::vector<StoreCommand> &storeCommands();

} // namespace rnx10::store

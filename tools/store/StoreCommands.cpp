#include "StoreCommands.h"

#include "FindCommand.h"
#include "VersionsCommand.h"

namespace rnx10::store {

// Each command lives in a file of its own and is listed here.
const std::vector<StoreCommand> &storeCommands()
{
    static const std::vector<StoreCommand> commands = {
        {"find", "PATTERN [--from YYYY-MM-DD] [--to YYYY-MM-DD]",
         "files and folders named like PATTERN in every archive's copy, newest first", {"--from", "--to"}, {}, runFind},
        {"versions", "PATH", "every archive holding PATH, newest first, and whether it changed", {}, {}, runVersions},
    };
    return commands;
}

} // namespace rnx10::store

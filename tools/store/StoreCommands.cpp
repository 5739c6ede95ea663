#include "StoreCommands.h"

namespace rnx10::store {

// Each command lives in a file of its own and is listed here.
const std::vector<StoreCommand> &storeCommands()
{
    static const std::vector<StoreCommand> commands = {
    };
    return commands;
}

} // namespace rnx10::store

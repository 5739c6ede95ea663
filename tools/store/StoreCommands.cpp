#include "StoreCommands.h"

#include "CompareCommand.h"
#include "RestoreToCommand.h"

namespace rnx10::store {

// Each command lives in a file of its own and is listed here.
const std::vector<StoreCommand> &storeCommands()
{
    static const std::vector<StoreCommand> commands = {
        {"restore-to", "PATH TARGET-FOLDER", "copy an archive, or a file or folder of its copy, into another folder",
         {}, {}, runRestoreTo},
        {"compare", "ARCHIVE-FOLDER", "what restoring the archive would change in its source folder", {}, {}, runCompare},
    };
    return commands;
}

} // namespace rnx10::store

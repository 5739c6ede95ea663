#include "StoreCommands.h"

#include "CatchUpCommand.h"
#include "StatusCommand.h"

namespace rnx10::store {

// Each command lives in a file of its own and is listed here.
const std::vector<StoreCommand> &storeCommands()
{
    static const std::vector<StoreCommand> commands = {
        {"status", "[--now 'YYYY-MM-DD HH:MM']",
         "the newest archive and its age, each scheduled job's next run, and warnings", {"--now"}, {}, runStatus},
        {"catch-up", "[--now 'YYYY-MM-DD HH:MM']",
         "run once a scheduled backup that was missed while the computer was off", {"--now"}, {}, runCatchUp},
    };
    return commands;
}

} // namespace rnx10::store

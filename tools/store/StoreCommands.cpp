#include "StoreCommands.h"

#include "CatchUpCommand.h"
#include "CompareCommand.h"
#include "FindCommand.h"
#include "RestoreToCommand.h"
#include "StatusCommand.h"
#include "ThinCommand.h"
#include "VersionsCommand.h"

namespace rnx10::store {

// Each command lives in a file of its own and is listed here.
const std::vector<StoreCommand> &storeCommands()
{
    static const std::vector<StoreCommand> commands = {
        {"find", "PATTERN [--from YYYY-MM-DD] [--to YYYY-MM-DD]",
         "files and folders named like PATTERN in every archive's copy, newest first", {"--from", "--to"}, {}, runFind},
        {"versions", "PATH", "every archive holding PATH, newest first, and whether it changed", {}, {}, runVersions},
        {"compare", "ARCHIVE-FOLDER", "what restoring the archive would change in its source folder", {}, {}, runCompare},
        {"restore-to", "PATH TARGET-FOLDER", "copy an archive, or a file or folder of its copy, into another folder",
         {}, {}, runRestoreTo},
        {"thin", "--within D --daily N --weekly N --monthly N --yearly N [--dry-run] [--now 'YYYY-MM-DD HH:MM']",
         "delete the runs (hour folders) the rule does not keep; print each, oldest first",
         {"--within", "--daily", "--weekly", "--monthly", "--yearly", "--now"}, {"--dry-run"}, runThin},
        {"status", "[--now 'YYYY-MM-DD HH:MM']",
         "the newest archive and its age, each scheduled job's next run, and warnings", {"--now"}, {}, runStatus},
        {"catch-up", "[--now 'YYYY-MM-DD HH:MM']",
         "run once a scheduled backup that was missed while the computer was off", {"--now"}, {}, runCatchUp},
    };
    return commands;
}

} // namespace rnx10::store

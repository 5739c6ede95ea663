#include "StoreCommands.h"

#include "CatchUpCommand.h"
#include "CompareCommand.h"
#include "FindCommand.h"
#include "RestoreToCommand.h"
#include "StatusCommand.h"
#include "ThinCommand.h"
#include "VersionsCommand.h"

#include <QtGlobal>

namespace rnx10::store {

// Each command lives in a file of its own and is listed here. The synopses and summaries are
// marked for translation here and translated where they are printed (context "rnx10-store").
const std::vector<StoreCommand> &storeCommands()
{
    static const std::vector<StoreCommand> commands = {
        {"find", QT_TRANSLATE_NOOP("rnx10-store", "PATTERN [--from YYYY-MM-DD] [--to YYYY-MM-DD] [-0]"),
         QT_TRANSLATE_NOOP("rnx10-store", "files and folders named like PATTERN in every archive's copy, newest first"),
         {"--from", "--to"}, {"-0"}, runFind},
        {"versions", QT_TRANSLATE_NOOP("rnx10-store", "PATH"),
         QT_TRANSLATE_NOOP("rnx10-store", "every archive holding PATH, newest first, and whether it changed"), {}, {},
         runVersions},
        {"compare", QT_TRANSLATE_NOOP("rnx10-store", "ARCHIVE-FOLDER [--content]"),
         QT_TRANSLATE_NOOP("rnx10-store", "what restoring the archive would change in its source folder"), {}, {"--content"},
         runCompare},
        {"restore-to", QT_TRANSLATE_NOOP("rnx10-store", "PATH TARGET-FOLDER"),
         QT_TRANSLATE_NOOP("rnx10-store", "copy an archive, or a file or folder of its copy, into another folder"), {}, {},
         runRestoreTo},
        {"thin",
         QT_TRANSLATE_NOOP("rnx10-store",
                           "--within D --daily N --weekly N --monthly N --yearly N [--dry-run] [--now 'YYYY-MM-DD HH:MM']"),
         QT_TRANSLATE_NOOP("rnx10-store", "delete the runs (hour folders) the rule does not keep; print each, oldest first"),
         {"--within", "--daily", "--weekly", "--monthly", "--yearly", "--now"}, {"--dry-run"}, runThin},
        {"status", QT_TRANSLATE_NOOP("rnx10-store", "[--now 'YYYY-MM-DD HH:MM']"),
         QT_TRANSLATE_NOOP("rnx10-store", "the newest archive and its age, each scheduled job's next run, and warnings"),
         {"--now"}, {}, runStatus},
        {"catch-up", QT_TRANSLATE_NOOP("rnx10-store", "[--now 'YYYY-MM-DD HH:MM']"),
         QT_TRANSLATE_NOOP("rnx10-store", "run once a scheduled backup that was missed while the computer was off"),
         {"--now"}, {}, runCatchUp},
    };
    return commands;
}

} // namespace rnx10::store

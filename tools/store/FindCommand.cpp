#include "FindCommand.h"

#include "DateOption.h"

#include "backup_browser/core/ArchiveSearch.h"
#include "backup_browser/core/StoreLocation.h"
#include "platform/TerminalText.h"
#include "platform/Translation.h"

#include <cstdio>

namespace rnx10::store {

void runFind(const CommandArguments &arguments, RecordOutput &out)
{
    //: The argument names as the usage shows them, after "expected".
    arguments.expectPositional(1, tx("rnx10-store", "PATTERN"));
    const std::string &pattern = arguments.positional()[0];
    if (pattern.empty())
        throw UsageError(tx("rnx10-store", "PATTERN is empty"));
    const DateRange range = dateRangeOf(arguments);
    SearchReceiver receiver;
    receiver.found = [&](const FoundEntry &f) {
        out.item(f.storePath, {{"date", dateText(f.date)},
                               {"hour", f.hour},
                               {"archive", f.archive},
                               {"source", f.sourceDir},
                               {"relative", f.relative},
                               {"path", f.storePath},
                               {"type", std::string(kindText(f.facts.kind))},
                               {"size", static_cast<std::int64_t>(f.facts.size)},
                               {"mtime", isoTimeText(f.facts.mtime)}});
    };
    receiver.unreadable = [](const std::string &path, const AutomationError &error) {
        std::fflush(stdout);
        std::fprintf(stderr, "rnx10-store: warning: %s: %s\n", printableText(path).c_str(),
                     printableText(shownDescription(error)).c_str());
    };
    searchArchives(computerFolderPath(), pattern, range, receiver);
}

} // namespace rnx10::store

#include "FindCommand.h"

#include "DateOption.h"

#include "store/ArchiveSearch.h"
#include "store/StoreLocation.h"
#include "platform/Translation.h"

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
    receiver.unreadable = [&out](const std::string &path, const AutomationError &error) {
        out.warning(path, shownDescription(error));
    };
    if (arguments.flag("-0"))
        out.endItemsWithNul();
    searchArchives(computerFolderPath(), pattern, range, receiver);
}

} // namespace rnx10::store

#include "CompareCommand.h"

#include "store/ArchiveComparison.h"
#include "store/ArchiveCopy.h"
#include "platform/Translation.h"

namespace rnx10::store {

void runCompare(const CommandArguments &arguments, RecordOutput &out)
{
    //: The argument names as the usage shows them, after "expected".
    arguments.expectPositional(1, tx("rnx10-store", "ARCHIVE-FOLDER"));
    const ArchiveCopy archive = archiveCopyOf(arguments.positional()[0]);
    walk::CompareOptions options;
    options.contents = arguments.flag("--content");
    options.skipped = [&out](const std::string &path, const AutomationError &error) {
        out.warning(path, shownDescription(error));
    };
    compareWithCurrent(
        archive.copy, archive.sourceDir,
        [&out](const walk::TreeChange &change) {
            const std::string kind(1, static_cast<char>(change.kind));
            out.item(kind + " " + change.path, {{"kind", kind}, {"path", change.path}});
        },
        nullptr, options);
}

} // namespace rnx10::store

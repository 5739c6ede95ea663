#include "CompareCommand.h"

#include "backup_browser/core/ArchiveComparison.h"
#include "backup_browser/core/ArchiveCopy.h"

namespace rnx10::store {

void runCompare(const CommandArguments &arguments, RecordOutput &out)
{
    arguments.expectPositional(1, "ARCHIVE-FOLDER");
    const ArchiveCopy archive = archiveCopyOf(arguments.positional()[0]);
    compareWithCurrent(archive.copy, archive.sourceDir, [&out](const walk::TreeChange &change) {
        const std::string kind(1, static_cast<char>(change.kind));
        out.item(kind + " " + change.path, {{"kind", kind}, {"path", change.path}});
    });
}

} // namespace rnx10::store

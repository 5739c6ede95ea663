#include "store/ArchiveCopy.h"

#include "automation/AutomationError.h"
#include "store/ArchiveList.h"
#include "platform/Paths.h"

namespace rnx10 {

ArchiveCopy archiveCopyOf(const std::string &archiveFolder)
{
    ArchiveCopy archive;
    archive.folder = realPath(archiveFolder);
    if (archive.folder.empty())
        throw err::pathNotFound(archiveFolder);
    std::array<std::string, 5> values;
    const std::string details = joinPath(archive.folder, "details.ini");
    if (readDetails(details, values) != DetailsFile::Read)
        throw err::fileNotFound(details);
    const std::string &destination = values[1];
    const std::string name = baseName(destination);
    if (destination.empty() || name == "." || name == ".." || realPath(parentPath(destination)) != archive.folder)
        throw err::invalidCall("the copy " + destination + " named by " + details + " does not lie in its archive folder");
    archive.copy = joinPath(archive.folder, name);
    archive.sourceDir = values[0];
    return archive;
}

} // namespace rnx10

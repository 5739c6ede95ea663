#include "store/FolderMeasure.h"

#include "platform/FileSystemObject.h"

namespace rnx10 {

std::uint64_t measureFolder(FileSystemObject &fso, const FolderMeasure &measure, const std::string &folder)
{
    return measure ? measure(folder) : fso.folderSize(folder);
}

} // namespace rnx10

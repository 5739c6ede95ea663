#include "backup_browser/FolderMeasure.h"

#include "component/ServiceSet.h"
#include "platform/FileSystemObject.h"

namespace rnx10 {

std::uint64_t sharedFolderSize(const std::string &folder) { return services().fileSystem().folderSize(folder); }

} // namespace rnx10

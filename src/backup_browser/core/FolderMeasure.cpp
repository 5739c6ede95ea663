#include "backup_browser/core/FolderMeasure.h"

#include "platform/FileSystemObject.h"
#include "services/ServiceSet.h"

namespace rnx10 {

std::uint64_t sharedFolderSize(const std::string &folder) { return services().fileSystem().folderSize(folder); }

} // namespace rnx10

// An archive folder's copy and source, as its details.ini names them.
#pragma once

#include <string>

namespace rnx10 {

struct ArchiveCopy {
    std::string folder;    // the archive folder, links resolved
    std::string copy;      // DestinationDir, taken only as a name directly inside folder
    std::string sourceDir; // SourceDir as written
};

// Raises 76 when archiveFolder is no folder, 53 naming its details.ini when that cannot be read,
// and 5 when its DestinationDir does not lie directly inside the archive folder: a details file
// naming a copy anywhere else never has that place read or copied.
ArchiveCopy archiveCopyOf(const std::string &archiveFolder);

} // namespace rnx10

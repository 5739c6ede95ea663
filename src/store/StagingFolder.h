// The folders a restore fills beside where its copy goes (".rnx10-restore-" and a unique ending).
// Each is held locked (flock) while its restore runs, so the next restore into that folder can
// tell the ones a killed restore left behind, and removes them.
#pragma once

#include "platform/FileIO.h"

#include <memory>
#include <string>

namespace rnx10 {

class FileSystemObject;

inline constexpr const char *kStagingPrefix = ".rnx10-restore-";

struct StagingFolder {
    std::string path;
    std::shared_ptr<Descriptor> lock; // open and locked while the restore uses the folder
};

// Clears what killed restores left in parent (folders named as ours, owned by this account, that
// no running restore holds) into the trash, where a replaced folder caught between its swap and
// its trip there is not lost; deleted where no trash takes them. Then makes a new, empty, private
// one there, locked.
StagingFolder makeStagingFolder(FileSystemObject &fso, const std::string &parent);

// Locks the entry at path (after a swap, the old content under a staging name) so that no other
// restore takes it for abandoned meanwhile; an empty handle when it cannot be opened.
std::shared_ptr<Descriptor> holdStaging(const std::string &path);

} // namespace rnx10

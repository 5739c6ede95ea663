#include "store/ReplacedFolderFate.h"

#include "store/DesktopTrash.h"
#include "store/ShownValue.h"
#include "platform/Paths.h"
#include "platform/Translation.h"

#include <sys/stat.h>

namespace rnx10 {

ReplacedFolder::Fate expectedFate(const std::string &sourceDir)
{
    // The folder the restore replaces: a link there is followed as the restore follows it.
    const std::string source = followLink(withoutTrailingSlashes(sourceDir));
    struct stat st{};
    if (::stat(source.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return ReplacedFolder::Fate::None;
    return trashFor(source, false) ? ReplacedFolder::Fate::Trashed : ReplacedFolder::Fate::Deleted;
}

std::string expectedFateText(ReplacedFolder::Fate fate)
{
    switch (fate) {
    case ReplacedFolder::Fate::Trashed:
        return tx("RecoverJobs", "The current folder is moved to the desktop trash, from where it can be put back.");
    case ReplacedFolder::Fate::Deleted:
        return tx("RecoverJobs", "No trash on the current folder's file system can take it: the current folder is deleted for good.");
    case ReplacedFolder::Fate::None: break;
    }
    return tx("RecoverJobs", "There is no current folder: the restore creates it.");
}

std::string fateText(const ReplacedFolder &replaced)
{
    switch (replaced.fate) {
    case ReplacedFolder::Fate::Trashed:
        return fillIn(tx("RecoverJobs", "The replaced folder is in the desktop trash as %1."), {shownValue(replaced.inTrash)});
    case ReplacedFolder::Fate::Deleted:
        return tx("RecoverJobs", "No trash on its file system could take the replaced folder: it was deleted.");
    case ReplacedFolder::Fate::None: break;
    }
    return {};
}

} // namespace rnx10

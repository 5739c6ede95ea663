#include "store/StagingFolder.h"

#include "automation/AutomationError.h"
#include "store/DesktopTrash.h"
#include "platform/FileSystemObject.h"
#include "platform/NoReplaceRename.h"
#include "platform/Paths.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace rnx10 {

namespace {

constexpr const char *kClaimPrefix = ".rnx10-claim-";

// A folder of this account (never through a link) whose lock nobody holds: its restore was killed.
std::shared_ptr<Descriptor> abandoned(const std::string &path)
{
    auto fd = std::make_shared<Descriptor>(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat st{};
    if (!fd->valid() || ::fstat(fd->get(), &st) != 0 || st.st_uid != ::geteuid())
        return nullptr;
    if (::flock(fd->get(), LOCK_EX | LOCK_NB) != 0)
        return nullptr;
    return fd;
}

std::vector<std::string> stagingNames(const std::string &parent)
{
    std::vector<std::string> names;
    DIR *dir = ::opendir(parent.c_str());
    if (!dir)
        return names;
    while (const dirent *entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.starts_with(kStagingPrefix) && name.size() > std::string(kStagingPrefix).size())
            names.push_back(name);
    }
    ::closedir(dir);
    return names;
}

void removeAbandoned(FileSystemObject &fso, const std::string &parent)
{
    for (const std::string &name : stagingNames(parent)) {
        const std::string path = joinPath(parent, name);
        if (const std::shared_ptr<Descriptor> held = abandoned(path)) {
            // A restore killed right after its swap left the replaced folder under this name, on
            // its way to the trash: it goes there still. Only where no trash takes it is it deleted.
            if (moveToTrash(path, path))
                continue;
            try {
                fso.deleteFolder(path, true); // held locked while it goes
            } catch (const AutomationError &) {
                // best effort: it is left for the user, as before
            }
        }
    }
}

} // namespace

std::shared_ptr<Descriptor> holdStaging(const std::string &path)
{
    auto fd = std::make_shared<Descriptor>(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!fd->valid() || ::flock(fd->get(), LOCK_EX | LOCK_NB) != 0)
        return nullptr;
    return fd;
}

StagingFolder makeStagingFolder(FileSystemObject &fso, const std::string &parent)
{
    removeAbandoned(fso, parent);
    // Made under a name the cleanup passes over and locked before it takes a staging name: another
    // restore's cleanup never sees it unlocked.
    const std::string claim = fso.createUniqueFolder(parent, kClaimPrefix);
    StagingFolder made;
    made.lock = holdStaging(claim);
    made.path = joinPath(parent, kStagingPrefix + baseName(claim).substr(std::string(kClaimPrefix).size()));
    if (made.lock && renameNoReplace(claim, made.path) == 0)
        return made;
    ::rmdir(claim.c_str());
    made.path = fso.createUniqueFolder(parent, kStagingPrefix);
    made.lock = holdStaging(made.path);
    return made;
}

} // namespace rnx10

#include "store/HeldStoreFolder.h"

#include "automation/AutomationError.h"
#include "store/ArchiveDeletion.h"
#include "platform/FileSystemObject.h"
#include "platform/Paths.h"
#include "platform/walk/DirListing.h"

#include <fcntl.h>

#include <cerrno>

namespace rnx10 {

namespace {

AutomationError outsideStore(const std::string &folder)
{
    return err::permissionDenied(folder + " lies outside the backup store (a folder on its way is a link); nothing was deleted");
}

Descriptor openComputerFolder(const BrowserFolders &folders, const std::string &folder)
{
    Descriptor computer(::open(folders.ComputerFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!computer.valid() || folders.ComputerIdentity == walk::FolderIdentity{} ||
        walk::identityOf(computer.get(), folders.ComputerFolder) != folders.ComputerIdentity)
        throw outsideStore(folder);
    return computer;
}

} // namespace

walk::FolderIdentity computerFolderIdentity(const std::string &computerFolder)
{
    Descriptor fd(::open(computerFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd.valid())
        throw err::fromErrno(errno, computerFolder);
    return walk::identityOf(fd.get(), computerFolder);
}

std::optional<HeldStoreFolder> holdStoreFolder(const BrowserFolders &folders, const std::string &folder)
{
    const std::string computer = canonicalStorePath(folders.ComputerFolder);
    const std::string path = canonicalStorePath(folder);
    if (computer.empty() || computer == "/" || path == computer || !isInside(path, computer))
        throw outsideStore(folder);
    HeldStoreFolder held{openComputerFolder(folders, folder), Descriptor(), {}, computer};
    std::size_t from = computer.size() + 1;
    while (true) {
        std::size_t to = path.find('/', from);
        held.name = path.substr(from, to == std::string::npos ? std::string::npos : to - from);
        held.path += "/" + held.name;
        int fd = walk::tryOpenFolderAt(held.parent.get(), held.name.c_str());
        if (fd < 0 && errno == ENOENT)
            return std::nullopt; // gone already: nothing to delete
        if (fd < 0 && (errno == ELOOP || errno == ENOTDIR))
            throw outsideStore(folder);
        if (fd < 0)
            throw err::fromErrno(errno, held.path);
        held.folder = Descriptor(fd);
        if (to == std::string::npos)
            return held;
        held.parent = std::move(held.folder);
        from = to + 1;
    }
}

std::uint64_t heldFolderSize(const HeldStoreFolder &held)
{
    walk::WalkProgress apart; // the deletion's progress counts what it removes, not what was measured
    return walk::treeSizeOf(held.folder, held.path, &apart);
}

std::optional<std::uint64_t> deleteHeldFolder(FileSystemObject &fso, const HeldStoreFolder &held,
                                              const HeldMeasure &measure)
{
    std::optional<std::uint64_t> measured;
    if (measure) {
        try {
            measured = measure(held);
        } catch (const AutomationError &) {
            // The size is only kept for the locker's tooltip; the deletion goes on.
        }
    }
    fso.deleteOpenedFolder(held.parent, held.name, held.folder, held.path, true);
    return measured;
}

} // namespace rnx10

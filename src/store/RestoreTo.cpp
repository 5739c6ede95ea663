#include "store/RestoreTo.h"

#include "automation/AutomationError.h"
#include "store/ArchiveCopy.h"
#include "store/FolderRestore.h"
#include "store/LeadingNumber.h"
#include "store/StagingFolder.h"
#include "store/StoreArchives.h"
#include "store/StoreLocation.h"
#include "platform/FileSystemObject.h"
#include "platform/NoReplaceRename.h"
#include "platform/Paths.h"
#include "platform/walk/DirListing.h"
#include "platform/walk/FileCopy.h"
#include "platform/walk/WalkProgress.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <vector>

namespace rnx10 {

namespace {

constexpr std::size_t kArchiveDepth = 5; // year, month, day, hour, archive
constexpr int kMostAttempts = 1000;

[[noreturn]] void refuse(const std::string &why) { throw err::invalidCall(why + "; nothing was changed"); }

// The path with its last name kept as it is: a link there is restored as a link. A last name of
// "." or ".." names a folder that exists and is resolved with the rest; a relative path is taken
// from the current folder.
std::string resolvedParent(const std::string &path)
{
    std::string clean = withoutTrailingSlashes(path);
    if (clean.empty())
        throw err::pathNotFound(path);
    if (clean.front() != '/')
        clean = joinPath(realPath("."), clean);
    const std::string last = baseName(clean);
    const std::string resolved =
        last == "." || last == ".." ? realPath(clean) : joinPath(realPath(parentPath(clean)), last);
    if (resolved.empty() || resolved.front() != '/')
        throw err::pathNotFound(path);
    return resolved;
}

// A name a new entry can take in the target folder: "." and ".." name folders that exist there.
bool isNewEntryName(const std::string &name) { return !name.empty() && name != "." && name != ".."; }

std::vector<std::string> namesBelow(const std::string &path, const std::string &folder)
{
    std::vector<std::string> names;
    std::size_t at = folder.size() + 1;
    while (at < path.size()) {
        const std::size_t end = std::min(path.find('/', at), path.size());
        names.push_back(path.substr(at, end - at));
        at = end + 1;
    }
    return names;
}

std::string stampOf(const std::vector<std::string> &levels)
{
    const auto number = [&](int i) { return static_cast<int>(leadingNumber(levels[static_cast<std::size_t>(i)])); };
    return dateText({number(0), number(1), number(2)}) + " " + levels[3];
}

// Copies item.from into staging under item.name; returns the entries passed over in a folder.
std::vector<std::string> copyEntry(FileSystemObject &fso, const RestoreToItem &item, const std::string &staging)
{
    const std::optional<EntryStatus> status = fso.status(item.from, false);
    if (!status)
        throw err::pathNotFound(item.from);
    if (status->type == EntryStatus::Type::Folder)
        return copyIntoStaging(fso, item.from, joinPath(staging, item.name));
    struct stat st{};
    const bool fifo = ::lstat(item.from.c_str(), &st) == 0 && S_ISFIFO(st.st_mode);
    const Descriptor from = walk::openFolderAt(AT_FDCWD, parentPath(item.from).c_str(), parentPath(item.from));
    const Descriptor into = walk::openFolderAt(AT_FDCWD, staging.c_str(), staging);
    const std::string fromName = baseName(item.from);
    const std::string made = joinPath(staging, fromName);
    // An error names the archive's entry: the staging folder is gone when the user reads it.
    const auto named = [&] { return item.from; };
    walk::FileCopier copier;
    if (status->type == EntryStatus::Type::File)
        copier.copyFile(from.get(), into.get(), fromName.c_str(), false, named);
    else if (status->type == EntryStatus::Type::Link)
        copier.copyLink(from.get(), into.get(), fromName.c_str(), false, named);
    else if (fifo)
        copier.copyFifo(from.get(), into.get(), fromName.c_str(), false, named);
    else
        throw err::pathFileAccess(item.from + " is a socket or a device, which no restore makes");
    if (fromName != item.name)
        fso.rename(made, joinPath(staging, item.name));
    return {};
}

// The name with what tells it apart put before a file's extension, so it still opens as what it is.
std::string withSuffix(const RestoreToItem &item, const std::string &suffix)
{
    const std::size_t dot = item.name.rfind('.');
    if (item.folder || dot == std::string::npos || dot == 0 || dot + 1 == item.name.size())
        return item.name + suffix;
    return item.name.substr(0, dot) + suffix + item.name.substr(dot);
}

// Moves the staged entry to the first free name in target; never replaces one.
std::string placeFirstFree(const RestoreToItem &item, const std::string &staged, const std::string &target)
{
    for (int attempt = 0; attempt < kMostAttempts; ++attempt) {
        const std::string path = joinPath(target, restoredName(item, attempt));
        const int failure = moveNoReplace(staged, path);
        if (failure == 0)
            return path;
        if (failure != EEXIST)
            throw err::fromErrno(failure, path);
    }
    throw err::fileExists(joinPath(target, restoredName(item, kMostAttempts - 1)));
}

} // namespace

RestoreToItem restoreToItem(const std::string &pathInStore)
{
    const std::string path = resolvedParent(pathInStore);
    const std::string computer = realPath(computerFolderPath());
    const std::vector<std::string> names = namesBelow(path, computer);
    if (computer.empty() || !isInside(path, computer) || names.size() < kArchiveDepth)
        refuse(pathInStore + " is neither an archive folder nor inside an archive's copy in " + computerFolderPath());
    const std::string folder = joinPath(computer, names[0] + "/" + names[1] + "/" + names[2] + "/" + names[3] + "/" + names[4]);
    const ArchiveCopy archive = archiveCopyOf(folder);
    RestoreToItem item;
    item.stamp = stampOf(names);
    if (names.size() == kArchiveDepth || path == archive.copy) {
        // The whole archive, under the last name of its source folder as the backup recorded it.
        item.from = archive.copy;
        item.folder = true;
        item.name = baseName(withoutTrailingSlashes(archive.sourceDir));
        if (!isNewEntryName(item.name))
            item.name = baseName(archive.copy);
        return item;
    }
    if (!isInside(path, archive.copy))
        refuse(pathInStore + " is not inside the archive's copy " + archive.copy);
    item.from = path;
    item.name = baseName(path);
    struct stat st{};
    item.folder = ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    return item;
}

std::string restoredName(const RestoreToItem &item, int attempt)
{
    if (attempt == 0)
        return item.name;
    return withSuffix(item, " (restored " + item.stamp + ")" + (attempt == 1 ? "" : " " + std::to_string(attempt)));
}

std::string checkedTarget(const RestoreToItem &item, const std::string &targetFolder)
{
    const std::string target = realPath(targetFolder);
    struct stat st{};
    if (target.empty() || ::stat(target.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        throw err::pathNotFound(targetFolder);
    checkOutsideStore(joinPath(target, item.name), "the target", storeRootFolder());
    return target;
}

std::string copyToTarget(FileSystemObject &fso, const RestoreToItem &item, const std::string &target,
                         std::vector<std::string> *skipped)
{
    // What a killed restore left in target goes first; ours stays locked while it is used.
    const StagingFolder held = makeStagingFolder(fso, target);
    const std::string &staging = held.path;
    try {
        std::vector<std::string> passedOver = copyEntry(fso, item, staging);
        const walk::WalkProgress *progress = walk::threadProgress();
        if (progress && progress->cancel)
            throw walk::interrupted();
        const std::string made = placeFirstFree(item, joinPath(staging, item.name), target);
        discardStaging(fso, staging);
        if (skipped)
            *skipped = std::move(passedOver);
        return made;
    } catch (...) {
        discardStaging(fso, staging);
        throw;
    }
}

std::string restoreTo(FileSystemObject &fso, const std::string &pathInStore, const std::string &targetFolder,
                      std::vector<std::string> *skipped)
{
    const RestoreToItem item = restoreToItem(pathInStore);
    return copyToTarget(fso, item, checkedTarget(item, targetFolder), skipped);
}

} // namespace rnx10

#include "backup_browser/core/FileVersions.h"

#include "backup_browser/core/ArchiveDeletion.h"
#include "platform/Paths.h"
#include "platform/walk/DirListing.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <optional>

namespace rnx10 {

namespace {

// The facts of rel inside the open copy, its folders opened one name at a time (no link
// followed); nothing when it is not there or cannot be reached.
std::optional<EntryFacts> factsBelow(Descriptor folder, const std::string &rel)
{
    std::size_t at = 0;
    for (std::size_t slash; (slash = rel.find('/', at)) != std::string::npos; at = slash + 1) {
        folder.reset(walk::tryOpenFolderAt(folder.get(), rel.substr(at, slash - at).c_str()));
        if (!folder.valid())
            return std::nullopt;
    }
    struct stat st{};
    if (::fstatat(folder.get(), rel.empty() ? "." : rel.c_str() + at, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return std::nullopt;
    return factsOf(st);
}

void markChanges(std::vector<FileVersion> &versions)
{
    for (std::size_t i = 0; i + 1 < versions.size(); ++i)
        versions[i].changed = !(versions[i].facts == versions[i + 1].facts);
}

} // namespace

std::vector<FileVersion> fileVersions(const std::string &computerFolder, const std::string &path,
                                      walk::WalkProgress *progress)
{
    const std::string wanted = canonicalStorePath(path);
    if (wanted.empty())
        throw err::invalidCall("\"" + path + "\" is not an absolute path without \".\" or \"..\"");
    std::vector<FileVersion> versions;
    ArchiveVisitor visitor;
    visitor.archive = [&](const StoreArchive &archive) {
        const std::string source = canonicalStorePath(archive.sourceDir);
        if (!archive.copyBelow || source.empty() || !isInside(wanted, source))
            return;
        const std::string rel = wanted.size() == source.size() ? std::string()
                                : source == "/"                ? wanted.substr(1)
                                                               : wanted.substr(source.size() + 1);
        std::optional<EntryFacts> facts;
        try {
            facts = factsBelow(openCopy(archive), rel);
        } catch (const AutomationError &) {
            return; // a copy that cannot be opened holds no version
        }
        if (facts)
            versions.push_back(
                {originOf(archive), rel.empty() ? copyPathOf(archive) : joinPath(copyPathOf(archive), rel), *facts, true});
    };
    forEachArchive(computerFolder, {}, visitor, progress);
    markChanges(versions);
    return versions;
}

} // namespace rnx10

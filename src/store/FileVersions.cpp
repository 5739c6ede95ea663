#include "store/FileVersions.h"

#include "store/ArchiveDeletion.h"
#include "platform/Paths.h"
#include "platform/walk/DirListing.h"
#include "platform/walk/SameEntry.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <optional>

namespace rnx10 {

namespace {

struct Found {
    EntryFacts facts;
    walk::EntryState state; // what the rule for "same" looks at
};

// What rel inside the open copy is, its folders opened one name at a time (no link followed);
// nothing when it is not there or cannot be reached.
std::optional<Found> findBelow(Descriptor folder, const std::string &rel)
{
    std::size_t at = 0;
    for (std::size_t slash; (slash = rel.find('/', at)) != std::string::npos; at = slash + 1) {
        folder.reset(walk::tryOpenFolderAt(folder.get(), rel.substr(at, slash - at).c_str()));
        if (!folder.valid())
            return std::nullopt;
    }
    const char *name = rel.empty() ? "." : rel.c_str() + at;
    struct stat st{};
    if (::fstatat(folder.get(), name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return std::nullopt;
    return Found{factsOf(st), walk::entryState(folder.get(), name, st)};
}

} // namespace

const char *changeText(VersionChange change)
{
    switch (change) {
    case VersionChange::First: return "first";
    case VersionChange::Changed: return "changed";
    case VersionChange::Same: break;
    }
    return "same";
}

std::vector<FileVersion> fileVersions(const std::string &computerFolder, const std::string &path,
                                      walk::WalkProgress *progress)
{
    const std::string wanted = canonicalStorePath(path);
    if (wanted.empty())
        throw err::invalidCall("\"" + path + "\" is not an absolute path without \".\" or \"..\"");
    std::vector<FileVersion> versions;
    std::vector<walk::EntryState> states; // one per version
    ArchiveVisitor visitor;
    visitor.archive = [&](const StoreArchive &archive) {
        const std::string source = canonicalStorePath(archive.sourceDir);
        if (!archive.copyBelow || source.empty() || !isInside(wanted, source))
            return;
        const std::string rel = wanted.size() == source.size() ? std::string()
                                : source == "/"                ? wanted.substr(1)
                                                               : wanted.substr(source.size() + 1);
        std::optional<Found> found;
        try {
            found = findBelow(openCopy(archive), rel);
        } catch (const AutomationError &) {
            return; // a copy that cannot be opened holds no version
        }
        if (!found)
            return;
        versions.push_back({originOf(archive), rel.empty() ? copyPathOf(archive) : joinPath(copyPathOf(archive), rel),
                            found->facts, VersionChange::First});
        states.push_back(std::move(found->state));
    };
    forEachArchive(computerFolder, {}, visitor, progress);
    for (std::size_t i = 0; i + 1 < versions.size(); ++i)
        versions[i].change = *walk::entryDifference(states[i], states[i + 1]) ? VersionChange::Changed : VersionChange::Same;
    return versions;
}

} // namespace rnx10

#include "platform/walk/TreeCompare.h"

#include "automation/AutomationError.h"
#include "platform/FileIO.h"
#include "platform/NameOrder.h"
#include "platform/Paths.h"
#include "platform/walk/DirListing.h"
#include "platform/walk/SameContent.h"
#include "platform/walk/SameEntry.h"
#include "platform/walk/TreeWalker.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace rnx10::walk {

namespace {

// One folder's entry names in name order; none for a side that is missing (fd -1). Types are
// looked at only for the names on both sides.
std::vector<std::string> sortedNames(DirListing &listing, int fd, const std::string &path)
{
    std::vector<std::string> names;
    if (fd < 0)
        return names;
    listing.read(fd, path);
    listing.forEach([&](const char *name, EntryType) { names.emplace_back(name); });
    sortByName(names);
    return names;
}

// Most folder levels whose descriptors stay open; deeper, the parents are closed and reopened
// through ".." on the way back, so any depth needs a bounded number of descriptors.
constexpr std::size_t kOpenLevels = 32;

class Comparer {
public:
    Comparer(std::string archive, std::string current, const std::function<void(const TreeChange &)> &report,
             WalkProgress *progress, const CompareOptions &options)
        : m_archiveRoot(std::move(archive)), m_currentRoot(std::move(current)), m_report(report), m_progress(progress),
          m_options(options)
    {
    }

    // Both folders at m_rel; current is not valid when the current side has no such folder. Either
    // may be closed and opened again (the same folder) while the walk is below it.
    void compareFolders(Descriptor &archive, Descriptor &current)
    {
        if (m_progress && m_progress->cancel)
            throw interrupted();
        std::vector<std::string> inArchive, inCurrent;
        // A root that cannot be listed leaves nothing to compare; a folder below it is passed over.
        const bool root = m_rel.empty();
        if (!passable(root, [&] { inArchive = sortedNames(m_listing, archive.get(), failing(archivePath())); })
            || !passable(root, [&] { inCurrent = sortedNames(m_listing, current.get(), failing(currentPath())); }))
            return;
        auto a = inArchive.begin();
        auto c = inCurrent.begin();
        while (a != inArchive.end() || c != inCurrent.end()) {
            if (c == inCurrent.end() || (a != inArchive.end() && nameBefore(*a, *c)))
                tell(ChangeKind::OnlyArchive, *a++, "");
            else if (a == inArchive.end() || nameBefore(*c, *a))
                tell(ChangeKind::OnlyCurrent, *c++, "");
            else {
                compareBoth(archive, current, *a);
                ++a;
                ++c;
            }
        }
        if (m_progress)
            m_progress->entries += inArchive.size() + inCurrent.size();
    }

    ChangeCounts counts() const { return m_counts; }

private:
    std::string archivePath() const { return m_rel.empty() ? m_archiveRoot : m_archiveRoot + "/" + m_rel; }
    std::string currentPath() const { return m_rel.empty() ? m_currentRoot : m_currentRoot + "/" + m_rel; }

    void tell(ChangeKind kind, const std::string &name, const char *what)
    {
        (kind == ChangeKind::OnlyArchive ? m_counts.onlyArchive
                                         : kind == ChangeKind::OnlyCurrent ? m_counts.onlyCurrent : m_counts.differs)++;
        m_report({kind, m_rel.empty() ? name : m_rel + "/" + name, what});
    }

    // Runs step, which reads one entry. When it fails (not the user's stop), the caller takes
    // skipped entries and mustRead is false, the failure is told and counted and the comparison
    // goes past the entry: false. The failure's path is the one its error names (m_failed).
    template <typename Step>
    bool passable(bool mustRead, Step &&step)
    {
        try {
            step();
            return true;
        } catch (const AutomationError &e) {
            if (mustRead || !m_options.skipped || e.number() == UserInterrupt)
                throw;
            ++m_counts.skipped;
            m_options.skipped(m_failed, e);
            return false;
        }
    }

    // Keeps path as the one a failure of the step under way names, and hands it on.
    const std::string &failing(std::string path)
    {
        m_failed = std::move(path);
        return m_failed;
    }

    EntryState stateOf(int dir, const std::string &name, const std::string &folderPath)
    {
        struct stat st{};
        if (::fstatat(dir, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            const int error = errno; // gone since the listing, most likely
            throw err::fromErrno(error, failing(joinPath(folderPath, name)));
        }
        return entryState(dir, name.c_str(), st);
    }

    void compareBoth(Descriptor &archive, Descriptor &current, const std::string &name)
    {
        EntryState a, c;
        const char *what = "";
        const bool read = passable(false, [&] {
            a = stateOf(archive.get(), name, archivePath());
            c = stateOf(current.get(), name, currentPath());
            what = entryDifference(a, c);
            if (!*what && a.type == S_IFREG && m_options.contents) {
                const std::string archiveFile = joinPath(archivePath(), name), currentFile = joinPath(currentPath(), name);
                if (!m_content.same(archive.get(), current.get(), name.c_str(), archiveFile, currentFile, m_failed))
                    what = "content";
            }
        });
        if (!read)
            return;
        if (*what)
            tell(ChangeKind::Differs, name, what);
        else if (a.type == S_IFDIR)
            descend(archive, current, name);
    }

    void descend(Descriptor &archive, Descriptor &current, const std::string &name)
    {
        const std::string archiveHere = archivePath();
        const std::string currentHere = currentPath();
        Descriptor archiveChild, currentChild;
        if (!passable(false, [&] { archiveChild = openFolderAt(archive.get(), name.c_str(), failing(joinPath(archiveHere, name))); })
            || !passable(false, [&] { currentChild = openFolderAt(current.get(), name.c_str(), failing(joinPath(currentHere, name))); }))
            return;
        const std::size_t length = m_rel.size();
        m_rel = m_rel.empty() ? name : m_rel + "/" + name;
        const bool closeParents = ++m_depth > kOpenLevels;
        struct stat archiveId{}, currentId{};
        if (closeParents) {
            ::fstat(archive.get(), &archiveId);
            ::fstat(current.get(), &currentId);
            archive.reset();
            current.reset();
        }
        compareFolders(archiveChild, currentChild);
        --m_depth;
        m_rel.resize(length);
        if (closeParents) {
            archive.reset(reopenParent(archiveChild.get(), archiveId.st_dev, archiveId.st_ino, archiveHere));
            current.reset(reopenParent(currentChild.get(), currentId.st_dev, currentId.st_ino, currentHere));
        }
    }

    const std::string m_archiveRoot, m_currentRoot;
    const std::function<void(const TreeChange &)> &m_report;
    WalkProgress *m_progress;
    const CompareOptions &m_options;
    DirListing m_listing;
    ContentCheck m_content;
    std::string m_rel;
    std::string m_failed; // the path the step under way reads, for a warning when it fails
    std::size_t m_depth = 0;
    ChangeCounts m_counts;
};

// The current root, or none when it is missing.
Descriptor openCurrentRoot(const std::string &current)
{
    const int fd = tryOpenFolderAt(AT_FDCWD, current.c_str());
    if (fd < 0 && errno == ENOENT)
        return Descriptor();
    if (fd < 0 && (errno == ENOTDIR || errno == ELOOP))
        throw err::pathFileAccess(current + " is not a folder");
    if (fd < 0)
        throw err::fromErrno(errno, current);
    return Descriptor(fd);
}

} // namespace

ChangeCounts compareTrees(const std::string &archive, const std::string &current,
                          const std::function<void(const TreeChange &)> &report, WalkProgress *progress,
                          const CompareOptions &options)
{
    Descriptor archiveRoot = openFolderAt(AT_FDCWD, archive.c_str(), archive);
    Descriptor currentRoot = openCurrentRoot(current);
    Comparer comparer(archive, current, report, progressOrThread(progress), options);
    comparer.compareFolders(archiveRoot, currentRoot);
    return comparer.counts();
}

} // namespace rnx10::walk

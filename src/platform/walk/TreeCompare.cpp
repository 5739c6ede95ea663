#include "platform/walk/TreeCompare.h"

#include "automation/AutomationError.h"
#include "platform/FileIO.h"
#include "platform/NameOrder.h"
#include "platform/Paths.h"
#include "platform/walk/DirListing.h"
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

std::string linkText(int dir, const char *name)
{
    std::string text(256, '\0');
    for (;;) {
        const ssize_t n = ::readlinkat(dir, name, text.data(), text.size());
        if (n < 0)
            return {};
        if (static_cast<std::size_t>(n) < text.size()) {
            text.resize(static_cast<std::size_t>(n));
            return text;
        }
        text.resize(text.size() * 2);
    }
}

// Most folder levels whose descriptors stay open; deeper, the parents are closed and reopened
// through ".." on the way back, so any depth needs a bounded number of descriptors.
constexpr std::size_t kOpenLevels = 32;

class Comparer {
public:
    Comparer(std::string archive, std::string current, const std::function<void(const TreeChange &)> &report,
             WalkProgress *progress)
        : m_archiveRoot(std::move(archive)), m_currentRoot(std::move(current)), m_report(report), m_progress(progress)
    {
    }

    // Both folders at m_rel; current is not valid when the current side has no such folder. Either
    // may be closed and opened again (the same folder) while the walk is below it.
    void compareFolders(Descriptor &archive, Descriptor &current)
    {
        if (m_progress && m_progress->cancel)
            throw interrupted();
        const std::vector<std::string> inArchive = sortedNames(m_listing, archive.get(), archivePath());
        const std::vector<std::string> inCurrent = sortedNames(m_listing, current.get(), currentPath());
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

    static struct stat statOf(int dir, const std::string &name, const std::string &folderPath)
    {
        struct stat st{};
        if (::fstatat(dir, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            throw err::fromErrno(errno, folderPath + "/" + name);
        return st;
    }

    // "" when the quick check finds them equal.
    static const char *difference(const struct stat &a, const struct stat &c, int archiveFd, int currentFd,
                                  const char *name)
    {
        if ((a.st_mode & S_IFMT) != (c.st_mode & S_IFMT))
            return "type";
        if (S_ISREG(a.st_mode) && a.st_size != c.st_size)
            return "size";
        if (S_ISLNK(a.st_mode))
            return linkText(archiveFd, name) != linkText(currentFd, name) ? "link" : "";
        if (!S_ISDIR(a.st_mode) && a.st_mtim.tv_sec != c.st_mtim.tv_sec)
            return "time";
        return "";
    }

    void compareBoth(Descriptor &archive, Descriptor &current, const std::string &name)
    {
        const struct stat a = statOf(archive.get(), name, archivePath());
        const struct stat c = statOf(current.get(), name, currentPath());
        const char *what = difference(a, c, archive.get(), current.get(), name.c_str());
        if (*what)
            tell(ChangeKind::Differs, name, what);
        else if (S_ISDIR(a.st_mode))
            descend(archive, current, name);
    }

    void descend(Descriptor &archive, Descriptor &current, const std::string &name)
    {
        const std::string archiveHere = archivePath();
        const std::string currentHere = currentPath();
        Descriptor archiveChild = openFolderAt(archive.get(), name.c_str(), joinPath(archiveHere, name));
        Descriptor currentChild = openFolderAt(current.get(), name.c_str(), joinPath(currentHere, name));
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
    DirListing m_listing;
    std::string m_rel;
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
                          const std::function<void(const TreeChange &)> &report, WalkProgress *progress)
{
    Descriptor archiveRoot = openFolderAt(AT_FDCWD, archive.c_str(), archive);
    Descriptor currentRoot = openCurrentRoot(current);
    Comparer comparer(archive, current, report, progressOrThread(progress));
    comparer.compareFolders(archiveRoot, currentRoot);
    return comparer.counts();
}

} // namespace rnx10::walk

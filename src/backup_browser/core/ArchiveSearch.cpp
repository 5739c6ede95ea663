#include "backup_browser/core/ArchiveSearch.h"

#include "platform/Paths.h"
#include "platform/walk/TreeWalker.h"

#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>

#include <cerrno>

namespace rnx10 {

namespace {

// Reports the matching names of one copy; a sub-folder that cannot be opened is told and skipped.
class MatchVisitor : public walk::TreeVisitor {
public:
    MatchVisitor(const std::string &pattern, const SearchReceiver &receiver, const StoreArchive &archive,
                 const std::string &copyPath)
        : m_pattern(pattern), m_receiver(receiver), m_copyPath(copyPath)
    {
        m_found.date = archive.date;
        m_found.hour = archive.hour;
        m_found.archive = archive.folder;
        m_found.sourceDir = archive.sourceDir;
    }

    void entry(const walk::Folder &at, const char *name, walk::EntryType) override { match(at, name); }

    bool enter(const walk::Folder &at, const char *name) override
    {
        match(at, name);
        m_next.reset(walk::tryOpenFolderAt(at.fd, name));
        if (m_next.valid())
            return true;
        const std::string path = at.childPath(name);
        if (m_receiver.unreadable)
            m_receiver.unreadable(path, err::fromErrno(errno, path));
        return false;
    }

    Descriptor open(const walk::Folder &, const char *) override { return std::move(m_next); }

private:
    void match(const walk::Folder &at, const char *name)
    {
        if (::fnmatch(m_pattern.c_str(), name, FNM_CASEFOLD) != 0)
            return;
        struct stat st{};
        if (::fstatat(at.fd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            return; // gone since the listing
        m_found.storePath = at.childPath(name);
        m_found.relative = m_found.storePath.substr(m_copyPath.size() + 1);
        m_found.facts = factsOf(st);
        m_receiver.found(m_found);
    }

    const std::string &m_pattern;
    const SearchReceiver &m_receiver;
    const std::string &m_copyPath;
    FoundEntry m_found;
    Descriptor m_next; // the sub-folder enter() opened, for open() to hand over
};

void searchCopy(const StoreArchive &archive, const std::string &pattern, const SearchReceiver &receiver,
                walk::WalkProgress *progress)
{
    const std::string copyPath = copyPathOf(archive);
    try {
        Descriptor copy = openCopy(archive);
        MatchVisitor visitor(pattern, receiver, archive, copyPath);
        walk::TreeWalker walker(visitor, progress);
        walker.run(std::move(copy), copyPath);
    } catch (const AutomationError &e) {
        if (e.number() == walk::UserInterrupt)
            throw;
        if (receiver.unreadable)
            receiver.unreadable(copyPath, e);
    }
}

} // namespace

void searchArchives(const std::string &computerFolder, const std::string &pattern, const DateRange &range,
                    const SearchReceiver &receiver, walk::WalkProgress *progress)
{
    if (pattern.empty())
        throw err::invalidCall("the name pattern is empty");
    progress = walk::progressOrThread(progress);
    ArchiveVisitor visitor;
    visitor.unreadable = receiver.unreadable;
    visitor.archive = [&](const StoreArchive &archive) {
        if (archive.copyBelow)
            searchCopy(archive, pattern, receiver, progress);
    };
    forEachArchive(computerFolder, range, visitor, progress);
}

} // namespace rnx10

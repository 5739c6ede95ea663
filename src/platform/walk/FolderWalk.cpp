#include "platform/walk/FolderWalk.h"

#include "platform/NameOrder.h"
#include "platform/walk/DirListing.h"
#include "platform/walk/TreeWalker.h"

#include <fcntl.h>

#include <algorithm>

namespace rnx10::walk {

namespace {

// Hands out each sub-folder's full path before the walk goes into it.
class FolderVisitor : public TreeVisitor {
public:
    explicit FolderVisitor(const std::function<bool(const std::string &)> &visit) : m_visit(visit) {}
    void entry(const Folder &, const char *, EntryType) override {}
    bool enter(const Folder &at, const char *name) override
    {
        if (m_stopped)
            return false;
        m_stopped = !m_visit(at.childPath(name));
        return !m_stopped;
    }

private:
    const std::function<bool(const std::string &)> &m_visit;
    bool m_stopped = false;
};

} // namespace

std::vector<Entry> list(const std::string &path)
{
    Descriptor fd = openFolderAt(AT_FDCWD, path.c_str(), path);
    DirListing listing;
    listing.read(fd.get(), path);
    std::vector<Entry> entries;
    listing.forEach([&](const char *name, EntryType type) {
        if (type == EntryType::Unknown)
            type = typeAt(fd.get(), name);
        entries.push_back({name, type == EntryType::Folder});
    });
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) { return nameBefore(a.name, b.name); });
    return entries;
}

void forEachFolder(const std::string &root, const std::function<bool(const std::string &)> &visit,
                   WalkProgress *progress)
{
    progress = progressOrThread(progress);
    FolderVisitor visitor(visit);
    TreeWalker walker(visitor, progress);
    walker.setNameOrder(true);
    walker.run(openFolderAt(AT_FDCWD, root.c_str(), root), root);
}

} // namespace rnx10::walk

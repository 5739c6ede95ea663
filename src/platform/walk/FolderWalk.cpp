#include "platform/walk/FolderWalk.h"

#include "platform/NameOrder.h"
#include "platform/walk/DirListing.h"

#include <fcntl.h>

#include <algorithm>

namespace rnx10::walk {

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

} // namespace rnx10::walk

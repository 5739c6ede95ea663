#include "store/MountPoint.h"

#include "platform/FileSystemObject.h"
#include "platform/Paths.h"

namespace rnx10 {

namespace {
// The path itself when it can be resolved, else its nearest resolvable ancestor.
std::string nearestExisting(std::string path)
{
    while (!path.empty()) {
        std::string real = realPath(path);
        if (!real.empty())
            return real;
        path = parentPath(path);
    }
    return {};
}
} // namespace

std::string mountPointOf(FileSystemObject &fso, const std::string &path)
{
    std::string current = nearestExisting(path);
    const auto st = fso.status(current);
    if (!st)
        return {};
    // Climb while the parent lies on the same device: the last folder reached is the mount point.
    while (current != "/") {
        const std::string parent = parentPath(current);
        const auto up = fso.status(parent);
        if (!up || up->device != st->device)
            break;
        current = parent;
    }
    return current;
}

} // namespace rnx10

#include "backup_browser/core/MountPoint.h"

#include "platform/Paths.h"

#include <sys/stat.h>

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

std::string mountPointOf(const std::string &path)
{
    std::string current = nearestExisting(path);
    struct stat st{};
    if (current.empty() || ::stat(current.c_str(), &st) != 0)
        return {};
    // Climb while the parent lies on the same device: the last folder reached is the mount point.
    while (current != "/") {
        const std::string parent = parentPath(current);
        struct stat up{};
        if (parent.empty() || ::stat(parent.c_str(), &up) != 0 || up.st_dev != st.st_dev)
            break;
        current = parent;
    }
    return current;
}

} // namespace rnx10

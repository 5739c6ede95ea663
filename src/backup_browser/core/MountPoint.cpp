#include "backup_browser/core/MountPoint.h"

#include "platform/FileSystemObject.h"

#include <sys/stat.h>

#include <climits>
#include <cstdlib>

namespace rnx10 {

namespace {
std::string resolved(const std::string &path)
{
    char *real = ::realpath(path.c_str(), nullptr);
    if (!real)
        return {};
    std::string result(real);
    std::free(real);
    return result;
}

// The path itself when it can be resolved, else its nearest resolvable ancestor.
std::string nearestExisting(std::string path)
{
    while (!path.empty()) {
        std::string real = resolved(path);
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

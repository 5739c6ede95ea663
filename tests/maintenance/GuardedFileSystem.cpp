#include "GuardedFileSystem.h"

#include "automation/AutomationError.h"
#include "services/ProgIds.h"
#include "services/ServiceSet.h"

#include <cstdlib>

namespace rnx10::test {

namespace {
std::string realPath(const std::string &path)
{
    char *resolved = ::realpath(path.c_str(), nullptr);
    std::string result = resolved ? resolved : "";
    std::free(resolved);
    return result;
}

bool startsWithFolder(const std::string &path, const std::string &folder)
{
    return !folder.empty() && path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0
           && path[folder.size()] == '/';
}
} // namespace

void GuardedFileSystem::check(const std::string &path)
{
    pointerAtLastDelete = currentMousePointer();
    requested.push_back(path);
    // Both the text and the folder it really lies in must be inside the root.
    const std::string parent = realPath(parentPath(path));
    if (!startsWithFolder(path, m_root) || !(parent == realPath(m_root) || startsWithFolder(parent, realPath(m_root)))) {
        escaped.push_back(path);
        throw err::permissionDenied("outside the test root: " + path);
    }
    if (failEverything || failNames.count(baseName(path)))
        throw err::permissionDenied(path);
}

void GuardedFileSystem::deleteFolder(const std::string &path, bool force)
{
    check(path);
    FileSystemObject::deleteFolder(path, force);
}

void GuardedFileSystem::deleteFile(const std::string &path, bool force)
{
    check(path);
    FileSystemObject::deleteFile(path, force);
}

} // namespace rnx10::test

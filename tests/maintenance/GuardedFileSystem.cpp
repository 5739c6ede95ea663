#include "GuardedFileSystem.h"

#include "automation/AutomationError.h"
#include "platform/Paths.h"
#include "services/ProgIds.h"
#include "services/ServiceSet.h"

namespace rnx10::test {

namespace {
bool isBelow(const std::string &path, const std::string &folder) { return path != folder && isInside(path, folder); }
} // namespace

void GuardedFileSystem::check(const std::string &path)
{
    pointerAtLastDelete = currentMousePointer();
    requested.push_back(path);
    // Both the text and the folder it really lies in must be inside the root.
    const std::string parent = realPath(parentPath(path));
    if (!isBelow(path, m_root) || !isInside(parent, realPath(m_root))) {
        escaped.push_back(path);
        throw err::permissionDenied("outside the test root: " + path);
    }
    if (failEverything || failNames.count(baseName(path)))
        throw err::permissionDenied(path);
    for (const std::string &stuck : undeletable)
        if (isInside(stuck, path))
            throw err::permissionDenied(stuck);
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

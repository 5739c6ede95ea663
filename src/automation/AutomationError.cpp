#include "automation/AutomationError.h"

#include <cerrno>
#include <cstring>

namespace rnx10::err {

namespace {
AutomationError make(int number, const char *text, const std::string &detail)
{
    return AutomationError(number, detail.empty() ? std::string(text) : std::string(text) + ": " + detail);
}
} // namespace

AutomationError invalidCall(const std::string &d) { return make(InvalidCall, "Invalid procedure call or argument", d); }
AutomationError fileNotFound(const std::string &d) { return make(FileNotFound, "File not found", d); }
AutomationError fileExists(const std::string &d) { return make(FileExists, "File already exists", d); }
AutomationError permissionDenied(const std::string &d) { return make(PermissionDenied, "Permission denied", d); }
AutomationError pathFileAccess(const std::string &d) { return make(PathFileAccess, "Path/File access error", d); }
AutomationError pathNotFound(const std::string &d) { return make(PathNotFound, "Path not found", d); }
AutomationError objectNotSet() { return AutomationError(ObjectNotSet, "Object variable or With block variable not set"); }
AutomationError cantCreateObject(const std::string &d) { return make(CantCreateObject, "Component can't create object", d); }
AutomationError noDisplay(const std::string &d) { return make(NoDisplay, "No display is available", d); }

AutomationError fromErrno(int e, const std::string &path)
{
    switch (e) {
    case ENOENT:
    case ENOTDIR:
        return pathNotFound(path);
    case EACCES:
    case EPERM:
    case EROFS:
        return permissionDenied(path);
    case EEXIST:
        return fileExists(path);
    default:
        return pathFileAccess(path + " (" + std::strerror(e) + ")");
    }
}

} // namespace rnx10::err

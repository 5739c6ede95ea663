#include "automation/AutomationError.h"
#include "automation/StandardTexts.h"

#include <QtGlobal>

#include <cerrno>
#include <cstring>

namespace rnx10::err {

namespace {
AutomationError make(int number, const std::string &detail)
{
    const std::string text = standardText(number);
    return AutomationError(number, detail.empty() ? text : text + ": " + detail);
}
} // namespace

const char *standardText(int number)
{
    // Marked for the translation tools: a window shows the text in the user's language.
    switch (number) {
    case InvalidCall: return QT_TRANSLATE_NOOP("AutomationError", "Invalid procedure call or argument");
    case FileNotFound: return QT_TRANSLATE_NOOP("AutomationError", "File not found");
    case FileExists: return QT_TRANSLATE_NOOP("AutomationError", "File already exists");
    case PermissionDenied: return QT_TRANSLATE_NOOP("AutomationError", "Permission denied");
    case PathFileAccess: return QT_TRANSLATE_NOOP("AutomationError", "Path/File access error");
    case PathNotFound: return QT_TRANSLATE_NOOP("AutomationError", "Path not found");
    case ObjectNotSet: return QT_TRANSLATE_NOOP("AutomationError", "Object variable or With block variable not set");
    case CantCreateObject: return QT_TRANSLATE_NOOP("AutomationError", "Component can't create object");
    case NoDisplay: return QT_TRANSLATE_NOOP("AutomationError", "No display is available");
    default: return nullptr;
    }
}

AutomationError invalidCall(const std::string &d) { return make(InvalidCall, d); }
AutomationError fileNotFound(const std::string &d) { return make(FileNotFound, d); }
AutomationError fileExists(const std::string &d) { return make(FileExists, d); }
AutomationError permissionDenied(const std::string &d) { return make(PermissionDenied, d); }
AutomationError pathFileAccess(const std::string &d) { return make(PathFileAccess, d); }
AutomationError pathNotFound(const std::string &d) { return make(PathNotFound, d); }
AutomationError objectNotSet() { return make(ObjectNotSet, {}); }
AutomationError cantCreateObject(const std::string &d) { return make(CantCreateObject, d); }
AutomationError noDisplay(const std::string &d) { return make(NoDisplay, d); }

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

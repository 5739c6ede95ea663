#include "maintenance/MaintainceLogs.h"

#include "commands/Launching.h"
#include "component/ServiceSet.h"
#include "maintenance/FolderCleanup.h"
#include "platform/MousePointer.h"
#include "services/RuntimeService.h"

#include <cstdlib>
#include <exception>

namespace rnx10 {

namespace {

// An environment key's folder; the empty text when it cannot be resolved.
std::string resolvedFolder(const char *key)
{
    try {
        return services().runtime().EnvironGet(2, key);
    } catch (const std::exception &) {
        return {};
    }
}

std::string userTempFolder()
{
    const char *temp = std::getenv("TEMP");
    return temp ? temp : "";
}

constexpr int kShowMaximized = 3;

} // namespace

void ClearLogFiles()
{
    BusyPointer busy;
    resetFolder(resolvedFolder("ZVENVSLOGS"));
}

void ClearTempFiles()
{
    BusyPointer busy;
    resetFolder(resolvedFolder("ZVENVSTMP"));
    emptyFolder(userTempFolder(), true);
    emptyFolder(besideTempFolder(userTempFolder(), "Temporary Internet Files"), true);
    emptyFolder(besideTempFolder(userTempFolder(), "History"), false);
}

void OpenLogFolder()
{
    BusyPointer busy;
    ShellExecuteOpen(services().runtime().EnvironGet(2, "ZVENVSLOGS"), kShowMaximized);
}

} // namespace rnx10

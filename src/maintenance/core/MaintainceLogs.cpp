#include "maintenance/core/MaintainceLogs.h"

#include "common/Launching.h"
#include "maintenance/core/FolderCleanup.h"
#include "platform/MousePointer.h"
#include "services/EnvironmentKeys.h"
#include "services/RuntimeService.h"
#include "services/ServiceSet.h"

#include <cstdlib>
#include <exception>

namespace rnx10 {

namespace {

// An environment key's folder; the empty text when it cannot be resolved.
std::string resolvedFolder(const char *key)
{
    try {
        return services().runtime().EnvironGet(envkey::kSuiteEnvironment, key);
    } catch (const std::exception &) {
        return {};
    }
}

std::string userTempFolder()
{
    const char *temp = std::getenv(envkey::UserTemp);
    return temp ? temp : "";
}

} // namespace

CleanupLocations cleanupLocations()
{
    return {resolvedFolder(envkey::Logs), resolvedFolder(envkey::SuiteTemp), userTempFolder()};
}

void clearLogFolder(FileSystemObject &fs, const CleanupLocations &at) { resetFolder(fs, at.logs); }

void clearTempFolders(FileSystemObject &fs, const CleanupLocations &at)
{
    resetFolder(fs, at.suiteTemp);
    emptyFolder(fs, at.userTemp, true);
    emptyFolder(fs, besideTempFolder(fs, at.userTemp, "Temporary Internet Files"), true);
    emptyFolder(fs, besideTempFolder(fs, at.userTemp, "History"), false);
}

void ClearLogFiles(FileSystemObject &fs)
{
    BusyPointer busy;
    CleanupLocations at;
    at.logs = resolvedFolder(envkey::Logs);
    clearLogFolder(fs, at);
}

void ClearTempFiles(FileSystemObject &fs)
{
    BusyPointer busy;
    CleanupLocations at;
    at.suiteTemp = resolvedFolder(envkey::SuiteTemp);
    at.userTemp = userTempFolder();
    clearTempFolders(fs, at);
}

void OpenLogFolder()
{
    BusyPointer busy;
    ShellExecuteOpen(services().runtime().EnvironGet(envkey::kSuiteEnvironment, envkey::Logs), show::Maximized);
}

} // namespace rnx10

#include "maintenance/core/MaintainceLogs.h"

#include "common/Launching.h"
#include "maintenance/core/CleanupGuard.h"
#include "maintenance/core/FolderCleanup.h"
#include "platform/MousePointer.h"
#include "services/EnvironmentKeys.h"
#include "services/RuntimeService.h"
#include "services/ServiceSet.h"

#include <cstdlib>
#include <exception>

namespace rnx10 {

namespace {

// A cleaned folder's key; the empty text when it cannot be resolved. The cleanup leaves the
// folder in place, empty: a default one that a new account lacks is made.
std::string resolvedFolder(const char *key)
{
    try {
        return suiteFolderForWriting(services().runtime(), key);
    } catch (const std::exception &) {
        return {};
    }
}

std::string userTempFolder()
{
    const char *temp = std::getenv(envkey::UserTemp);
    return temp ? temp : "";
}

// True, and path noted in skipped, when path overlaps a kept folder.
bool overlapsKept(const std::string &path, const CleanupLocations &at, std::vector<std::string> &skipped)
{
    if (path.empty() || overlappedKeptFolder(path, at.kept).empty())
        return false;
    skipped.push_back(path);
    return true;
}

} // namespace

CleanupLocations cleanupLocations()
{
    return {resolvedFolder(envkey::Logs), resolvedFolder(envkey::SuiteTemp), userTempFolder(), keptFolders()};
}

std::vector<std::string> clearLogFolder(FileSystemObject &fs, const CleanupLocations &at, Leftovers *left)
{
    std::vector<std::string> skipped;
    if (!overlapsKept(at.logs, at, skipped))
        resetFolder(fs, at.logs, left);
    return skipped;
}

std::vector<std::string> clearTempFolders(FileSystemObject &fs, const CleanupLocations &at, Leftovers *left)
{
    std::vector<std::string> skipped;
    if (!overlapsKept(at.suiteTemp, at, skipped))
        resetFolder(fs, at.suiteTemp, left);
    if (!overlapsKept(at.userTemp, at, skipped))
        emptyFolder(fs, at.userTemp, true, left);
    const std::string cache = besideTempFolder(fs, at.userTemp, "Temporary Internet Files");
    if (!overlapsKept(cache, at, skipped))
        emptyFolder(fs, cache, true, left);
    const std::string history = besideTempFolder(fs, at.userTemp, "History");
    if (!overlapsKept(history, at, skipped))
        emptyFolder(fs, history, false, left);
    return skipped;
}

void ClearLogFiles(FileSystemObject &fs)
{
    BusyPointer busy;
    CleanupLocations at;
    at.logs = resolvedFolder(envkey::Logs);
    at.kept = keptFolders();
    clearLogFolder(fs, at);
}

void ClearTempFiles(FileSystemObject &fs)
{
    BusyPointer busy;
    CleanupLocations at;
    at.suiteTemp = resolvedFolder(envkey::SuiteTemp);
    at.userTemp = userTempFolder();
    at.kept = keptFolders();
    clearTempFolders(fs, at);
}

void OpenLogFolder()
{
    BusyPointer busy;
    ShellExecuteOpen(services().runtime().EnvironGet(envkey::kSuiteEnvironment, envkey::Logs), show::Maximized);
}

} // namespace rnx10

#include "common/Launching.h"

#include "platform/Platform.h"
#include "services/EnvironmentKeys.h"
#include "services/RuntimeService.h"
#include "services/ServiceSet.h"

namespace rnx10 {

long StartCommandLine(const std::string &commandLine, int windowStyle)
{
    return platform().starter->start(commandLine, windowStyle);
}

bool ShellOpen(const std::string &target, int showCommand)
{
    if (target.empty())
        return false;
    return platform().shell->open(target, showCommand);
}

void ShellExecuteOpen(const std::string &target, int showCommand)
{
    try {
        platform().shell->open(target, showCommand);
    } catch (...) {
        // The open's outcome is not examined.
    }
}

void ShellOpenDocument(const std::string &path, int showCommand)
{
    try {
        platform().shell->openDocument(path, showCommand);
    } catch (...) {
        // The open's outcome is not examined.
    }
}

std::string suiteProgramPath(const std::string &program)
{
    return services().runtime().EnvironGet(envkey::kSuiteEnvironment, envkey::ProgramRoot) + "/1.0/Sys/" + program;
}

void RunRegistryBackupTool()
{
    std::string path;
    try {
        path = suiteProgramPath("regbak.exe");
    } catch (...) {
        // A failed lookup leaves the path empty; the open below then does nothing.
    }
    ShellExecuteOpen(path, show::Normal);
}

} // namespace rnx10

// The three launching operations every start in the component goes through, and the registry
// backup launcher that swallows its own errors.
#pragma once

#include <string>

namespace rnx10 {

// How a started program or an opened target is first shown. The desktop decides on Linux; the
// values are kept for the callers' sake.
namespace show {
inline constexpr int Normal = 1;
inline constexpr int Minimized = 2;
inline constexpr int Maximized = 3;
} // namespace show

// Starts a program (a path, no arguments), not waited for; raises 53 "File not found: PATH" when it
// cannot be started. Returns the task identifier, which callers ignore.
long StartCommandLine(const std::string &commandLine, int windowStyle);

// The desktop's default open of a target; false when it cannot be opened. Never raises.
bool ShellOpen(const std::string &target, int showCommand);

// The desktop's "open" of a target; the result is not examined and nothing is raised.
void ShellExecuteOpen(const std::string &target, int showCommand);

// Opens a file or folder named by data (an archive's DestinationDir, the store's report) as a
// document, never as a program, even when it is an executable file; the result is not examined
// and nothing is raised.
void ShellOpenDocument(const std::string &path, int showCommand);

// Starts the registry-backup tool under the program root; every error is ignored.
void RunRegistryBackupTool();

// Program root + "/1.0/Sys/" + program, the root fetched afresh from the runtime service.
std::string suiteProgramPath(const std::string &program);

} // namespace rnx10

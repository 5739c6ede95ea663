// Running a standard tool (never through a shell) and timing it.
#pragma once

#include <string>
#include <vector>

namespace rnx10::bench {

struct ToolResult {
    double seconds = 0;
    long peakKilobytes = 0; // the tool's peak resident memory
    int status = -1;        // exit status; -1 when it could not run
};

// Runs argv[0] found on PATH with argv, its standard output into stdoutPath (created or emptied;
// "/dev/null" to drop it), and waits for it.
ToolResult runTool(const std::vector<std::string> &argv, const std::string &stdoutPath = "/dev/null");

// The tool's standard output as text (for totals), or "" when it fails.
std::string toolOutput(const std::vector<std::string> &argv);

bool toolAvailable(const std::string &name);

// Seconds on the monotonic clock.
double now();

} // namespace rnx10::bench

// Runs a system tool (crontab, at) to its end with text on its standard input.
#pragma once

#include <string>
#include <vector>

namespace rnx10 {

struct CommandResult {
    int exitCode = -1; // the exit status; -1 when the tool ended by a signal
    std::string out;
    std::string err;
};

class CommandRunner {
public:
    virtual ~CommandRunner() = default;
    // Runs program (found on PATH) with the arguments, never through a shell, feeds input to its
    // standard input and waits for it. Raises 53 when the program cannot be started.
    virtual CommandResult run(const std::string &program, const std::vector<std::string> &arguments,
                              const std::string &input) = 0;
};

} // namespace rnx10

// crontab and at as a test sees them: one user's crontab and an at queue in memory.
#pragma once

#include "platform/CommandRunner.h"

#include <optional>
#include <string>
#include <vector>

namespace rnx10::test {

// A saved output of a real tool, from tests/data.
std::string savedOutput(const std::string &name);

class FakeTools : public CommandRunner {
public:
    struct Call {
        std::string program;
        std::vector<std::string> arguments;
        std::string input;
    };

    CommandResult run(const std::string &program, const std::vector<std::string> &arguments,
                      const std::string &input) override;

    std::optional<std::string> crontab; // none yet, as for a new user
    std::vector<Call> calls;
    std::vector<Call> atJobs;
    bool refuseInstall = false;
};

} // namespace rnx10::test

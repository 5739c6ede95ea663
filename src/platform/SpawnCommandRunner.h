// CommandRunner on posix_spawn and pipes.
#pragma once

#include "platform/CommandRunner.h"

namespace rnx10 {

class SpawnCommandRunner : public CommandRunner {
public:
    CommandResult run(const std::string &program, const std::vector<std::string> &arguments,
                      const std::string &input) override;
};

} // namespace rnx10

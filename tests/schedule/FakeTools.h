// crontab and at as a test sees them: one user's crontab and an at queue in memory.
#pragma once

#include "platform/CommandRunner.h"

#include <map>
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

    // Puts a job of another user's, or a user's own job, into the queue as at would.
    int queueAt(const std::string &script, const std::string &user);

    std::optional<std::string> crontab; // none yet, as for a new user
    std::vector<Call> calls;
    std::vector<Call> atJobs;
    bool refuseInstall = false;
    std::optional<std::string> atqFailure; // atq's message when it is to fail
    bool atMissing = false;                // at, atq and atrm are not installed

    struct Queued {
        std::string script, when, user;
    };
    std::map<int, Queued> atQueue; // by job number
    int nextAtNumber = 1;

private:
    CommandResult runAt(const std::string &program, const std::vector<std::string> &arguments,
                        const std::string &input);
};

// The name of the user running the tests, as atq shows it.
std::string testUser();

} // namespace rnx10::test

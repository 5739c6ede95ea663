// Runs a test's body in a forked child, for what cannot be undone in the test process (a seccomp
// filter, say).
#pragma once

#include <sys/wait.h>
#include <unistd.h>

namespace rnx10::test {

// body's value is the child's exit status (0 to 125); 126 when the child did not exit normally.
template <typename Body>
int inChild(Body &&body)
{
    const pid_t child = ::fork();
    if (child < 0)
        return 126;
    if (child == 0) {
        int status = 2;
        try {
            status = body();
        } catch (...) {
        }
        ::_exit(status);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return 126;
    return WEXITSTATUS(status);
}

} // namespace rnx10::test

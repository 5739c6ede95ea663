// Runs a test's body in a forked child with a private mount namespace and a tmpfs mounted at a
// folder, so a mount inside the test's files is real and never seen outside the child.
#pragma once

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <optional>
#include <string>

namespace rnx10::test {

// body's value is the child's exit status (0 to 125). Unset when this machine allows no private
// mount namespace or tmpfs mount (the caller skips); 126 when the child did not exit normally.
template <typename Body>
std::optional<int> inPrivateMount(const std::string &mountPoint, const char *tmpfsOptions, Body &&body)
{
    constexpr int kNotAllowed = 127;
    const pid_t child = ::fork();
    if (child < 0)
        return std::nullopt;
    if (child == 0) {
        if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
            || ::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, tmpfsOptions) != 0)
            ::_exit(kNotAllowed);
        int status = 2;
        try {
            status = body();
        } catch (...) {
        }
        ::umount(mountPoint.c_str());
        ::_exit(status);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return 126;
    if (WEXITSTATUS(status) == kNotAllowed)
        return std::nullopt;
    return WEXITSTATUS(status);
}

} // namespace rnx10::test

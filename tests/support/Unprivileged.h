// Runs a test's body as an ordinary account, the way users run the component: CI runs as root,
// whose bypass of every permission would hide each fault that only an ordinary account meets.
#pragma once

#include <grp.h>
#include <pwd.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <optional>
#include <string>

namespace rnx10::test {

// The account a test drops to: "nobody" where the system has it, else uid and gid 65534.
inline uid_t unprivilegedUid()
{
    const passwd *entry = ::getpwnam("nobody");
    return entry ? entry->pw_uid : 65534;
}

inline gid_t unprivilegedGid()
{
    const passwd *entry = ::getpwnam("nobody");
    return entry ? entry->pw_gid : 65534;
}

// Runs body in a forked child that holds no privilege: when started as root it drops every group
// and becomes the unprivileged account, with HOME and the XDG folders in a fresh private folder
// (handed to body) that it owns. Started as an ordinary account it runs body as that account.
// body's value is the child's exit status (0 to 125); 126 when the child did not exit normally;
// unset when the child could not drop its privileges (the caller skips).
template <typename Body>
std::optional<int> asOrdinaryAccount(Body &&body)
{
    constexpr int kCannotDrop = 127;
    const pid_t child = ::fork();
    if (child < 0)
        return std::nullopt;
    if (child == 0) {
        if (::geteuid() == 0
            && (::setgroups(0, nullptr) != 0 || ::setgid(unprivilegedGid()) != 0 || ::setuid(unprivilegedUid()) != 0
                || ::setuid(0) == 0))
            ::_exit(kCannotDrop);
        char pattern[] = "/tmp/rnx10-user-XXXXXX";
        if (!::mkdtemp(pattern))
            ::_exit(kCannotDrop);
        const std::string home = pattern;
        ::setenv("HOME", home.c_str(), 1);
        ::setenv("XDG_DATA_HOME", (home + "/.local/share").c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);
        ::setenv("XDG_CACHE_HOME", (home + "/.cache").c_str(), 1);
        ::setenv("XDG_STATE_HOME", (home + "/.local/state").c_str(), 1);
        int status = 2;
        try {
            status = body(home);
        } catch (...) {
        }
        // What the test made is the account's own: chmod it writable so the cleanup can go.
        const std::string cleanup = "chmod -R u+rwx '" + home + "' 2>/dev/null; rm -rf '" + home + "'";
        if (::system(cleanup.c_str()) != 0) {
        }
        ::_exit(status);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return 126;
    if (WEXITSTATUS(status) == kCannotDrop)
        return std::nullopt;
    return WEXITSTATUS(status);
}

} // namespace rnx10::test

#include "platform/Launcher.h"

#include "automation/AutomationError.h"
#include "platform/walk/WorkerThreads.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <string_view>
#include <thread>

extern char **environ;

namespace rnx10 {

namespace {
bool isExecutableFile(const std::string &path)
{
    struct stat st{};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

// A scheme starts with a letter, so "-x:y" is a path, never an address.
bool looksLikeUrl(std::string_view target)
{
    auto colon = target.find(':');
    if (colon == std::string_view::npos || colon == 0 || !std::isalpha(static_cast<unsigned char>(target.front())))
        return false;
    for (char c : target.substr(0, colon))
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.'))
            return false;
    return true;
}

// A relative path goes out as "./path": one starting with "-" (a program root read from the
// settings) would otherwise reach the opener or the started program as an option.
std::string asPathArgument(const std::string &path)
{
    return path.front() == '/' ? path : "./" + path;
}

// Finds a program on PATH the way execvp would, so a missing opener is told at once.
std::string findOnPath(const std::string &name)
{
    const char *path = std::getenv("PATH");
    std::string_view rest = path ? path : "/usr/bin:/bin";
    while (true) {
        auto sep = rest.find(':');
        std::string dir(rest.substr(0, sep));
        std::string candidate = (dir.empty() ? "." : dir) + "/" + name;
        if (isExecutableFile(candidate))
            return candidate;
        if (sep == std::string_view::npos)
            return {};
        rest.remove_prefix(sep + 1);
    }
}
} // namespace

long spawnDetached(const std::string &program, const std::string &argument, bool withArgument)
{
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID);
    std::string arg0 = program;
    std::string arg1 = argument;
    char *argv[3] = {arg0.data(), withArgument ? arg1.data() : nullptr, nullptr};
    pid_t pid = -1;
    int rc = posix_spawn(&pid, program.c_str(), nullptr, &attr, argv, environ);
    posix_spawnattr_destroy(&attr);
    if (rc != 0)
        return -1;
    // The program is never waited for by the caller; a detached reaper keeps it from lingering
    // as a zombie once it ends.
    // Without a thread for it (the system refuses one) the program still runs; it is reaped
    // when this process ends.
    if (std::optional<std::thread> reaper = walk::tryStartThread([pid] { waitpid(pid, nullptr, 0); }))
        reaper->detach();
    return pid;
}

namespace {
bool handToOpener(const std::string &target)
{
    std::string opener = findOnPath("xdg-open");
    if (opener.empty())
        return false;
    return spawnDetached(opener, target, true) > 0;
}
} // namespace

bool SystemShell::open(const std::string &target, int /*showCommand*/)
{
    if (target.empty())
        return false;
    if (!looksLikeUrl(target)) {
        struct stat st{};
        if (stat(target.c_str(), &st) != 0)
            return false;
        if (isExecutableFile(target))
            return spawnDetached(asPathArgument(target), {}, false) > 0;
        return handToOpener(asPathArgument(target));
    }
    return handToOpener(target);
}

bool SystemShell::openDocument(const std::string &path, int /*showCommand*/)
{
    struct stat st{};
    if (path.empty() || stat(path.c_str(), &st) != 0)
        return false;
    return handToOpener(asPathArgument(path));
}

long SystemProgramStarter::start(const std::string &path, int /*windowStyle*/)
{
    if (path.empty())
        throw err::fileNotFound();
    // The error names the program, as the path errors name their paths.
    if (!isExecutableFile(path))
        throw err::fileNotFound(path);
    long pid = spawnDetached(asPathArgument(path), {}, false);
    if (pid <= 0)
        throw err::fileNotFound(path);
    return pid;
}

} // namespace rnx10

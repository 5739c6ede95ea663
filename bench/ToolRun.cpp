#include "ToolRun.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>

extern char **environ;

namespace rnx10::bench {

double now()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

ToolResult runTool(const std::vector<std::string> &argv, const std::string &stdoutPath)
{
    std::vector<char *> args;
    for (const std::string &a : argv)
        args.push_back(const_cast<char *>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, stdoutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ToolResult result;
    double start = now();
    pid_t pid = 0;
    int rc = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        return result;
    int status = 0;
    struct rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    result.seconds = now() - start;
    result.peakKilobytes = usage.ru_maxrss;
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string toolOutput(const std::vector<std::string> &argv)
{
    char name[] = "/tmp/rnx10-bench-out-XXXXXX";
    int fd = ::mkstemp(name);
    if (fd < 0)
        return {};
    ::close(fd);
    ToolResult r = runTool(argv, name);
    std::ifstream in(name);
    std::stringstream text;
    text << in.rdbuf();
    ::unlink(name);
    return r.status == 0 ? text.str() : std::string();
}

bool toolAvailable(const std::string &name) { return runTool({name, "--version"}).status == 0; }

} // namespace rnx10::bench

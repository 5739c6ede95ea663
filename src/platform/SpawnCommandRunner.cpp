#include "platform/SpawnCommandRunner.h"

#include "automation/AutomationError.h"
#include "platform/FileIO.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

extern char **environ;

namespace rnx10 {

namespace {

struct Pipe {
    Descriptor read, write;
    Pipe()
    {
        int fd[2];
        if (::pipe2(fd, O_CLOEXEC) != 0)
            throw err::fromErrno(errno, "pipe");
        read.reset(fd[0]);
        write.reset(fd[1]);
    }
};

pid_t spawn(const std::string &program, const std::vector<std::string> &arguments, Pipe &in, Pipe &out, Pipe &err)
{
    std::vector<std::string> args{program};
    args.insert(args.end(), arguments.begin(), arguments.end());
    std::vector<char *> argv;
    for (std::string &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in.read.get(), 0);
    posix_spawn_file_actions_adddup2(&actions, out.write.get(), 1);
    posix_spawn_file_actions_adddup2(&actions, err.write.get(), 2);
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t none, pipeOnly;
    sigemptyset(&none);
    sigemptyset(&pipeOnly);
    sigaddset(&pipeOnly, SIGPIPE);
    posix_spawnattr_setsigmask(&attr, &none);
    posix_spawnattr_setsigdefault(&attr, &pipeOnly);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    pid_t pid = -1;
    int rc = ::posix_spawnp(&pid, program.c_str(), &actions, &attr, argv.data(), environ);
    posix_spawnattr_destroy(&attr);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        throw err::fileNotFound(program);
    return pid;
}

// Feeds the input and drains both outputs together, so a tool that writes much never blocks.
// Every end is closed on return.
void exchange(const std::string &input, Descriptor &toChild, Descriptor &fromOut, Descriptor &fromErr,
              CommandResult &result)
{
    std::size_t written = 0;
    if (input.empty())
        toChild.reset();
    while (toChild.valid() || fromOut.valid() || fromErr.valid()) {
        pollfd fds[3] = {{toChild.get(), POLLOUT, 0}, {fromOut.get(), POLLIN, 0}, {fromErr.get(), POLLIN, 0}};
        if (::poll(fds, 3, -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (toChild.valid() && fds[0].revents) {
            ssize_t n = ::write(toChild.get(), input.data() + written, input.size() - written);
            if (n > 0)
                written += static_cast<std::size_t>(n);
            if ((n < 0 && errno != EINTR && errno != EAGAIN) || written == input.size())
                toChild.reset();
        }
        for (int i : {1, 2}) {
            Descriptor &fd = i == 1 ? fromOut : fromErr;
            if (!fd.valid() || !fds[i].revents)
                continue;
            char buf[4096];
            ssize_t n = ::read(fd.get(), buf, sizeof buf);
            if (n > 0)
                (i == 1 ? result.out : result.err).append(buf, static_cast<std::size_t>(n));
            else if (n == 0 || errno != EINTR)
                fd.reset();
        }
    }
    toChild.reset(), fromOut.reset(), fromErr.reset();
}

// A tool that stops reading early must not end this process with SIGPIPE.
class BlockSigpipe {
public:
    BlockSigpipe()
    {
        sigset_t set;
        sigemptyset(&set);
        sigaddset(&set, SIGPIPE);
        ::pthread_sigmask(SIG_BLOCK, &set, &m_old);
    }
    ~BlockSigpipe()
    {
        sigset_t set;
        sigemptyset(&set);
        sigaddset(&set, SIGPIPE);
        timespec zero{0, 0};
        while (::sigtimedwait(&set, nullptr, &zero) > 0) {
        }
        ::pthread_sigmask(SIG_SETMASK, &m_old, nullptr);
    }

private:
    sigset_t m_old;
};

} // namespace

CommandResult SpawnCommandRunner::run(const std::string &program, const std::vector<std::string> &arguments,
                                      const std::string &input)
{
    BlockSigpipe guard;
    Pipe in, out, err;
    pid_t pid = spawn(program, arguments, in, out, err);
    in.read.reset(), out.write.reset(), err.write.reset();
    CommandResult result;
    exchange(input, in.write, out.read, err.read, result);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

} // namespace rnx10

#include "platform/SpawnCommandRunner.h"

#include "automation/AutomationError.h"

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
    int fd[2] = {-1, -1};
    Pipe()
    {
        if (::pipe2(fd, O_CLOEXEC) != 0)
            throw err::fromErrno(errno, "pipe");
    }
    ~Pipe() { closeEnd(0), closeEnd(1); }
    void closeEnd(int i)
    {
        if (fd[i] >= 0)
            ::close(fd[i]);
        fd[i] = -1;
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
    posix_spawn_file_actions_adddup2(&actions, in.fd[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out.fd[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err.fd[1], 2);
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
void exchange(const std::string &input, int toChild, int fromOut, int fromErr, CommandResult &result)
{
    std::size_t written = 0;
    if (input.empty())
        ::close(toChild), toChild = -1;
    while (toChild >= 0 || fromOut >= 0 || fromErr >= 0) {
        pollfd fds[3] = {{toChild, POLLOUT, 0}, {fromOut, POLLIN, 0}, {fromErr, POLLIN, 0}};
        if (::poll(fds, 3, -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (toChild >= 0 && fds[0].revents) {
            ssize_t n = ::write(toChild, input.data() + written, input.size() - written);
            if (n > 0)
                written += static_cast<std::size_t>(n);
            if ((n < 0 && errno != EINTR && errno != EAGAIN) || written == input.size())
                ::close(toChild), toChild = -1;
        }
        for (int i : {1, 2}) {
            int &fd = i == 1 ? fromOut : fromErr;
            if (fd < 0 || !fds[i].revents)
                continue;
            char buf[4096];
            ssize_t n = ::read(fd, buf, sizeof buf);
            if (n > 0)
                (i == 1 ? result.out : result.err).append(buf, static_cast<std::size_t>(n));
            else if (n == 0 || errno != EINTR)
                ::close(fd), fd = -1;
        }
    }
    for (int fd : {toChild, fromOut, fromErr})
        if (fd >= 0)
            ::close(fd);
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
    in.closeEnd(0), out.closeEnd(1), err.closeEnd(1);
    CommandResult result;
    exchange(input, in.fd[1], out.fd[0], err.fd[0], result);
    in.fd[1] = out.fd[0] = err.fd[0] = -1; // closed by exchange
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

} // namespace rnx10

// Runs the installed-style rnx10-store of the build tree as a separate process.
#pragma once

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace rnx10::test {

struct StoreToolRun {
    int exitCode = -1;
    std::string out, err;
};

// word quoted for /bin/sh, whatever bytes it holds.
inline std::string shellQuoted(const std::string &word)
{
    std::string quoted = "'";
    for (const char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// command (a shell command line) run with its output and error collected in files under folder.
// Plain C: a forked child (asOrdinaryAccount) may use it.
inline StoreToolRun runShellCommand(const std::string &command, const std::string &folder)
{
    const std::string out = folder + "/run.out", err = folder + "/run.err";
    const int status = std::system((command + " >" + shellQuoted(out) + " 2>" + shellQuoted(err)).c_str());
    const auto contents = [](const std::string &path) {
        std::string text;
        if (std::FILE *f = std::fopen(path.c_str(), "rb")) {
            char buffer[4096];
            for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;)
                text.append(buffer, n);
            std::fclose(f);
        }
        return text;
    };
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, contents(out), contents(err)};
}

// rnx10-store of the build tree run with arguments, its output collected under folder. The
// arguments go as raw bytes through /bin/sh (Qt's process class would turn a byte that is not
// UTF-8 into U+FFFD); the environment is the test's own, so an Installation's keys reach it.
inline StoreToolRun runStoreToolIn(const std::vector<std::string> &arguments, const std::string &folder)
{
    const char *dir = std::getenv("RNX10_BINARY_DIR");
    std::string command = shellQuoted(std::string(dir ? dir : ".") + "/bin/rnx10-store");
    for (const std::string &a : arguments)
        command += " " + shellQuoted(a);
    return runShellCommand(command, folder);
}

// The same with the output collected in a scratch folder.
inline StoreToolRun runStoreTool(const std::vector<std::string> &arguments)
{
    const QTemporaryDir folder;
    return runStoreToolIn(arguments, folder.path().toStdString());
}

// Checks inside a forked child, whose gtest failures never reach the parent: each failed check is
// printed on standard error and counted, and the count is the child's exit status.
struct ChildChecks {
    int failed = 0;
    void expect(bool ok, const std::string &what)
    {
        if (!ok) {
            std::fprintf(stderr, "check failed: %s\n", what.c_str());
            ++failed;
        }
    }
};

} // namespace rnx10::test

#include "SyscallCount.h"

#include "ToolRun.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace rnx10::bench {

namespace {

// One line of strace's summary: "% time seconds usecs/call calls [errors] syscall".
bool parseLine(const std::string &line, std::string &name, double &calls)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;)
        words.push_back(w);
    if (words.size() < 5 || words[0].find_first_not_of("0123456789.") != std::string::npos)
        return false;
    name = words.back();
    calls = std::strtod(words[3].c_str(), nullptr);
    return true;
}

} // namespace

std::optional<SyscallCount> countSyscalls(const std::vector<std::string> &argv, const std::string &stdoutPath)
{
    char summary[] = "/tmp/rnx10-bench-strace-XXXXXX";
    int fd = ::mkstemp(summary);
    if (fd < 0)
        return std::nullopt;
    ::close(fd);
    std::vector<std::string> traced{"strace", "-f", "-c", "-o", summary, "--"};
    traced.insert(traced.end(), argv.begin(), argv.end());
    ToolResult r = runTool(traced, stdoutPath);
    std::ifstream in(summary);
    SyscallCount count;
    for (std::string line; std::getline(in, line);) {
        std::string name;
        double calls = 0;
        if (!parseLine(line, name, calls))
            continue;
        if (name == "total")
            count.total = calls;
        else
            count.calls.emplace_back(name, calls);
    }
    ::unlink(summary);
    if (r.status != 0 || count.total == 0)
        return std::nullopt;
    std::stable_sort(count.calls.begin(), count.calls.end(),
                     [](const auto &a, const auto &b) { return a.second > b.second; });
    return count;
}

std::string perFile(const SyscallCount &count, double files, std::size_t most)
{
    std::string text;
    for (std::size_t i = 0; i < count.calls.size() && i < most; ++i) {
        char part[96];
        std::snprintf(part, sizeof part, "%s%s %.2f", i ? ", " : "", count.calls[i].first.c_str(),
                      count.calls[i].second / files);
        text += part;
    }
    return text;
}

} // namespace rnx10::bench

#include "health/LastRunFailure.h"

#include "platform/FileIO.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace rnx10 {

namespace {

constexpr std::size_t kTailBytes = 64 * 1024;
constexpr std::size_t kStampLength = 19; // "2026-12-10 22:00:03"

std::optional<std::time_t> stampTime(const std::string &line)
{
    std::tm local{};
    int used = 0;
    if (line.size() <= kStampLength ||
        std::sscanf(line.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%n", &local.tm_year, &local.tm_mon, &local.tm_mday, &local.tm_hour,
                    &local.tm_min, &local.tm_sec, &used) != 6 ||
        used != static_cast<int>(kStampLength) || line[kStampLength] != ' ')
        return std::nullopt;
    local.tm_year -= 1900;
    local.tm_mon -= 1;
    local.tm_isdst = -1;
    return std::mktime(&local);
}

enum class Outcome { None, Ok, Failed };

// What the line says of its run, and the failure's reason after "failed (exit N): ".
Outcome outcomeOf(const std::string &line, std::string &reason)
{
    const std::size_t tool = kStampLength + 1, toolEnd = line.find(' ', tool);
    if (toolEnd == std::string::npos || toolEnd == tool)
        return Outcome::None;
    const std::string rest = line.substr(toolEnd + 1);
    if (rest.starts_with("ok: "))
        return Outcome::Ok;
    if (!rest.starts_with("failed (exit "))
        return Outcome::None;
    const std::size_t close = rest.find(')');
    if (close == std::string::npos)
        return Outcome::None;
    reason = rest.substr(close + 1);
    if (reason.starts_with(": "))
        reason.erase(0, 2);
    if (reason.empty())
        reason = rest.substr(0, close + 1);
    return Outcome::Failed;
}

} // namespace

std::optional<RunFailure> lastRunFailureIn(const std::string &logText)
{
    std::size_t end = logText.size();
    while (end > 0) {
        const std::size_t newline = end == 0 ? std::string::npos : logText.rfind('\n', end - 1);
        const std::size_t begin = newline == std::string::npos ? 0 : newline + 1;
        const std::string line = logText.substr(begin, end - begin);
        end = newline == std::string::npos ? 0 : newline;
        const std::optional<std::time_t> when = stampTime(line);
        std::string reason;
        const Outcome outcome = when ? outcomeOf(line, reason) : Outcome::None;
        if (outcome == Outcome::Ok)
            return std::nullopt;
        if (outcome == Outcome::Failed)
            return RunFailure{*when, reason};
    }
    return std::nullopt;
}

std::optional<RunFailure> lastRunFailure(const std::string &logPath)
{
    // A FIFO or device put in the log's place would block or never end: only a file is read.
    const Descriptor log(::open(logPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (!log.valid() || ::fstat(log.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    const off_t size = info.st_size;
    const off_t from = size > static_cast<off_t>(kTailBytes) ? size - static_cast<off_t>(kTailBytes) : 0;
    std::string text(static_cast<std::size_t>(size - from), '\0');
    const ssize_t got = ::pread(log.get(), text.data(), text.size(), from);
    if (got < 0)
        return std::nullopt;
    text.resize(static_cast<std::size_t>(got));
    if (from > 0)
        text.erase(0, text.find('\n') + 1); // the first line read may be cut
    return lastRunFailureIn(text);
}

} // namespace rnx10

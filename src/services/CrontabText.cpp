#include "services/CrontabText.h"

#include "automation/AutomationError.h"
#include "platform/TerminalText.h"
#include "services/JobSchedule.h"

#include <vector>

namespace rnx10::cron {

namespace {

std::vector<std::string> lines(const std::string &text)
{
    std::vector<std::string> result;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        result.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return result;
}

std::string trimmed(const std::string &text)
{
    auto first = text.find_first_not_of(" \t\r\n");
    auto last = text.find_last_not_of(" \t\r\n");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

bool isJobName(const std::string &name)
{
    bool ok = !name.empty();
    for (char c : name)
        ok = ok && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
                    c == '_' || c == '-');
    return ok;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The next word of a crontab line from at, moving at past it; empty at the end of the line.
std::string nextWord(const std::string &line, std::size_t &at)
{
    while (at < line.size() && isBlank(line[at]))
        ++at;
    const std::size_t start = at;
    while (at < line.size() && !isBlank(line[at]))
        ++at;
    return line.substr(start, at - start);
}

constexpr const char *kMarkerLead = " # rnx10 job: ";

// A crontab edited on another system may end its lines with CR LF; such a line is the job's
// line all the same, or it would be listed but never replaced or removed.
bool namesJob(const std::string &line, const std::string &marker)
{
    return line.ends_with(marker) || line.ends_with(marker + "\r");
}

} // namespace

std::string crontabFromListing(const CommandResult &listing)
{
    if (listing.exitCode == 0)
        return listing.out;
    if (listing.exitCode == 1 && listing.err.find("no crontab for") != std::string::npos)
        return {};
    throw err::pathFileAccess("crontab -l: " + printableText(trimmed(listing.err)));
}

std::string quotedCommand(const std::string &program)
{
    if (program.empty())
        throw err::invalidCall("no program to schedule");
    std::string quoted = "'";
    for (char c : program) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7f || c == '%')
            throw err::invalidCall("the program path \"" + printableText(program) +
                                   "\" holds a line break, control character or \"%\" that cron cannot run");
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

void checkJobName(const std::string &jobName)
{
    if (!isJobName(jobName))
        throw err::invalidCall("the job name \"" + printableText(jobName) + "\" is not letters, digits, \".\", \"_\" or \"-\"");
}

std::string jobMarker(const std::string &jobName) { return kMarkerLead + jobName; }

std::string jobLine(const JobSchedule &schedule, const std::string &program, const std::string &jobName)
{
    checkJobName(jobName);
    return schedule.cronFields() + " " + quotedCommand(program) + jobMarker(jobName);
}

std::string withJob(const std::string &crontab, const std::string &jobName, const std::string &line)
{
    const std::string marker = jobMarker(jobName);
    std::string result;
    bool placed = false;
    for (const std::string &existing : lines(crontab)) {
        if (!namesJob(existing, marker)) {
            result += existing + "\n";
        } else if (!placed) {
            result += line + "\n";
            placed = true;
        }
    }
    if (!placed)
        result += line + "\n";
    return result;
}

std::optional<MarkedLine> markedLine(const std::string &line)
{
    const std::size_t at = line.rfind(kMarkerLead);
    if (at == std::string::npos)
        return std::nullopt;
    std::string name = line.substr(at + std::string(kMarkerLead).size());
    if (!name.empty() && name.back() == '\r')
        name.pop_back();
    if (!isJobName(name))
        return std::nullopt;
    return MarkedLine{line.substr(0, at), name};
}

std::vector<CronJob> markedJobs(const std::string &crontab)
{
    std::vector<CronJob> jobs;
    for (const std::string &line : lines(crontab)) {
        const std::optional<MarkedLine> marked = markedLine(line);
        if (!marked || trimmed(marked->body).starts_with('#'))
            continue;
        std::size_t at = 0;
        std::string fields = nextWord(marked->body, at);
        for (int i = 1; i < 5 && !fields.starts_with('@'); ++i)
            fields += " " + nextWord(marked->body, at);
        jobs.push_back({marked->jobName, fields, trimmed(marked->body.substr(at))});
    }
    return jobs;
}

std::string withoutJob(const std::string &crontab, const std::string &jobName)
{
    const std::string marker = jobMarker(jobName);
    std::string result;
    for (const std::string &line : lines(crontab))
        if (!namesJob(line, marker))
            result += line + "\n";
    return result;
}

std::string unquotedCommand(const std::string &word)
{
    // Only the shape quotedCommand writes: quoted runs joined by \' .
    std::string path;
    std::size_t at = 0;
    while (at < word.size()) {
        if (word.compare(at, 2, "\\'") == 0) {
            path += '\'';
            at += 2;
            continue;
        }
        if (word[at] != '\'')
            return word;
        const std::size_t close = word.find('\'', at + 1);
        if (close == std::string::npos)
            return word;
        path += word.substr(at + 1, close - at - 1);
        at = close + 1;
    }
    return word.empty() ? word : path;
}

std::string commandProgram(const std::string &command)
{
    std::string program;
    std::size_t at = command.find_first_not_of(" \t");
    while (at < command.size() && command[at] != ' ' && command[at] != '\t') {
        if (command[at] == '\'' ) {
            const std::size_t close = command.find('\'', at + 1);
            if (close == std::string::npos)
                return command; // not a shell word: shown as it is
            program += command.substr(at + 1, close - at - 1);
            at = close + 1;
        } else if (command[at] == '\\' && at + 1 < command.size()) {
            program += command[at + 1];
            at += 2;
        } else {
            program += command[at++];
        }
    }
    return program;
}

} // namespace rnx10::cron

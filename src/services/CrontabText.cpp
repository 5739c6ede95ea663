#include "services/CrontabText.h"

#include "automation/AutomationError.h"
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
    bool ok = !jobName.empty();
    for (char c : jobName)
        ok = ok && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
                    c == '_' || c == '-');
    if (!ok)
        throw err::invalidCall("the job name \"" + printableText(jobName) + "\" is not letters, digits, \".\", \"_\" or \"-\"");
}

std::string jobMarker(const std::string &jobName) { return " # rnx10 job: " + jobName; }

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
        if (!existing.ends_with(marker)) {
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

} // namespace rnx10::cron

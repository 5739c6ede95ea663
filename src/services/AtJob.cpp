#include "services/AtJob.h"

#include "automation/AutomationError.h"
#include "platform/TerminalText.h"
#include "services/CrontabText.h"
#include "services/JobSchedule.h"

#include <regex>

namespace rnx10::atjob {

std::vector<std::string> arguments(const std::tm &when)
{
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d%H%M", &when);
    return {"-t", stamp};
}

std::string script(const std::string &program, const std::string &jobName)
{
    cron::checkJobName(jobName);
    return cron::quotedCommand(program) + cron::jobMarker(jobName) + "\n";
}

int jobNumber(int exitCode, const std::string &errorOutput)
{
    static const std::regex jobLine(R"((?:^|\n)job (\d+) at )");
    std::smatch m;
    if (exitCode == 0 && std::regex_search(errorOutput, m, jobLine))
        return std::stoi(m[1].str());
    std::string message = errorOutput;
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
        message.pop_back();
    throw err::pathFileAccess("at: " + printableText(message.empty() ? "no job was queued" : message));
}

std::vector<QueuedJob> queuedJobs(const std::string &listing)
{
    // Number, tab, the time (five words), the queue letter and the user.
    static const std::regex jobLine(R"(^(\d+)\t(\S+ \S+ +\d+ \S+ \d+) (\S) (\S+)\r?$)");
    std::vector<QueuedJob> jobs;
    std::size_t start = 0;
    while (start < listing.size()) {
        std::size_t end = listing.find('\n', start);
        if (end == std::string::npos)
            end = listing.size();
        const std::string line = listing.substr(start, end - start);
        std::smatch m;
        if (std::regex_match(line, m, jobLine))
            jobs.push_back({std::stoi(m[1].str()), m[2].str(), m[3].str(), m[4].str()});
        start = end + 1;
    }
    return jobs;
}

std::optional<MarkedScript> markedScript(const std::string &shown)
{
    // at appends the job's script last; its last line that is not blank is the command.
    const std::size_t end = shown.find_last_not_of(" \t\r\n");
    if (end == std::string::npos)
        return std::nullopt;
    const std::size_t lineBreak = shown.rfind('\n', end);
    const std::size_t from = lineBreak == std::string::npos ? 0 : lineBreak + 1;
    const std::string last = shown.substr(from, end + 1 - from);
    const std::optional<cron::MarkedLine> marked = cron::markedLine(last);
    if (!marked)
        return std::nullopt;
    std::string command = marked->body;
    while (!command.empty() && (command.back() == ' ' || command.back() == '\t'))
        command.pop_back();
    return MarkedScript{marked->jobName, command};
}

} // namespace rnx10::atjob

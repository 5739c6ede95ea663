#include "services/AtJob.h"

#include "automation/AutomationError.h"
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

std::string script(const std::string &program) { return cron::quotedCommand(program) + "\n"; }

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

} // namespace rnx10::atjob

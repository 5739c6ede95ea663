// The text of a user's crontab: reading `crontab -l`, and one job line per named job.
#pragma once

#include "platform/CommandRunner.h"

#include <optional>
#include <string>
#include <vector>

namespace rnx10 {

class JobSchedule;

namespace cron {

// The crontab from what `crontab -l` gave: its output, or the empty text for a user who has none
// yet. Raises 75 with the tool's message for any other failure.
std::string crontabFromListing(const CommandResult &listing);

// The program path as one word for /bin/sh, single-quoted. Raises 5 for an empty path, a path
// holding a control character (a line break would start a crontab line of its own) or a "%"
// (cron turns it into a line break).
std::string quotedCommand(const std::string &program);

// Raises 5 unless the job name is letters, digits, ".", "_" or "-".
void checkJobName(const std::string &jobName);

// The comment that ends, and so names, a job's line: " # rnx10 job: NAME".
std::string jobMarker(const std::string &jobName);

// "0 22 * * * '/path/regbak.exe' # rnx10 job: regbak".
std::string jobLine(const JobSchedule &schedule, const std::string &program, const std::string &jobName);

// The crontab with the job's line put in place of its earlier line(s), or appended when the job
// has none yet. Every other line stays byte for byte; every line ends with a line break.
std::string withJob(const std::string &crontab, const std::string &jobName, const std::string &line);

// A line that ends with a job's marker, split into what comes before the marker and the name.
struct MarkedLine {
    std::string body;
    std::string jobName;
};
std::optional<MarkedLine> markedLine(const std::string &line);

// One job line of the crontab: its time fields ("0 22 * * 1,3", or "@daily") and its command.
struct CronJob {
    std::string jobName;
    std::string fields;
    std::string command;
};

// The lines of the crontab that a marker names, in their order.
std::vector<CronJob> markedJobs(const std::string &crontab);

// The crontab without the job's line(s); every other line stays byte for byte.
std::string withoutJob(const std::string &crontab, const std::string &jobName);

// The program path back from the word quotedCommand made; any other text as it is.
std::string unquotedCommand(const std::string &word);

// The program a command line runs: its first shell word, with single quotes and \' undone
// ("'/opt/z/bin/rnx10-store' thin --within 2" gives /opt/z/bin/rnx10-store).
std::string commandProgram(const std::string &command);

} // namespace cron
} // namespace rnx10

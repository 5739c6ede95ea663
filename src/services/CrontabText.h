// The text of a user's crontab: reading `crontab -l`, and one job line per named job.
#pragma once

#include "platform/CommandRunner.h"

#include <string>

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

} // namespace cron
} // namespace rnx10

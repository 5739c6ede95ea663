// A one-time job for `at`: its arguments, its script and the job number `at` reports.
#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace rnx10::atjob {

// {"-t", "CCYYMMDDhhmm"} for the moment given.
std::vector<std::string> arguments(const std::tm &when);

// The job's one command: the program path single-quoted for /bin/sh, the marker comment that
// names the job (as on a crontab line), then a line break. Raises 5 as cron::quotedCommand and
// cron::checkJobName do.
std::string script(const std::string &program, const std::string &jobName);

// The number from at's "job N at ..." line. Raises 75 with at's message when the tool failed
// (exitCode not 0) or reported no job.
int jobNumber(int exitCode, const std::string &errorOutput);

// One line of `atq`: "12<TAB>Fri Dec 11 22:00:00 2026 a bob".
struct QueuedJob {
    int number = 0;
    std::string when; // as at writes it
    std::string queue;
    std::string user;
};

// The jobs of an `atq` listing, in its order; lines of another shape are left out.
std::vector<QueuedJob> queuedJobs(const std::string &listing);

// A job as `at -c` shows it, when its last command carries a job's marker.
struct MarkedScript {
    std::string jobName;
    std::string command; // the command before the marker
};
std::optional<MarkedScript> markedScript(const std::string &shown);

} // namespace rnx10::atjob

// A one-time job for `at`: its arguments, its script and the job number `at` reports.
#pragma once

#include <ctime>
#include <string>
#include <vector>

namespace rnx10::atjob {

// {"-t", "CCYYMMDDhhmm"} for the moment given.
std::vector<std::string> arguments(const std::tm &when);

// The job's one command: the program path single-quoted for /bin/sh, then a line break.
// Raises 5 as cron::quotedCommand does.
std::string script(const std::string &program);

// The number from at's "job N at ..." line. Raises 75 with at's message when the tool failed
// (exitCode not 0) or reported no job.
int jobNumber(int exitCode, const std::string &errorOutput);

} // namespace rnx10::atjob

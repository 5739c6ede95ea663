// The names of the processes running now, as /proc gives them: to tell whether cron and atd run.
#pragma once

#include <string>
#include <vector>

namespace rnx10 {

// The command name (comm) of every process under procRoot; processes that end meanwhile or cannot
// be read are left out.
std::vector<std::string> runningProcessNames(const std::string &procRoot = "/proc");

} // namespace rnx10

// The backup tools' newest run outcome in backup.log, for the schedule's health: a backup that
// failed leaves no archive, so only the log tells of it.
#pragma once

#include <ctime>
#include <optional>
#include <string>

namespace rnx10 {

struct RunFailure {
    std::time_t when = 0; // local time the failed run started
    std::string reason;   // what failed, as the log line gives it (control characters escaped)
};

// The failure when the newest run outcome line of the log text ("DATE TIME TOOL ok: ..." or
// "DATE TIME TOOL failed (exit N): REASON") is a failure; other lines (catch-up's) are passed over.
std::optional<RunFailure> lastRunFailureIn(const std::string &logText);

// The same for the log file at path, reading only its end (the log only grows). Nothing when it
// is missing, unreadable or not a regular file.
std::optional<RunFailure> lastRunFailure(const std::string &logPath);

} // namespace rnx10

// The backup tools' run log: one line per run in backup.log of the suite's log folder.
#pragma once

#include <ctime>
#include <string>
#include <vector>

namespace rnx10::backuptool {

// What one run did.
struct RunOutcome {
    std::string tool;                  // "regbak.exe"
    std::tm when{};                    // local time the run started
    int status = 0;                    // the exit status
    int archives = 0;                  // archives written
    std::vector<std::string> failures; // one message per failure, as told on standard error
};

// The file name of the log inside the log folder.
inline constexpr const char *kRunLogName = "backup.log";

// "2026-12-10 22:00:03 regbak.exe ok: 1 archive" or
// "2026-12-10 22:00:03 shellbak.exe failed (exit 1): MESSAGE; MESSAGE". Always one line: control
// characters in the messages are written as \n, \xNN.
std::string runLogLine(const RunOutcome &outcome);

// Appends line and a line break to logFolder/backup.log with one write, so tools running at the
// same time never mix their lines; makes the folder when it is missing. Never raises: the reason
// when it could not (in the user's language, for standard error), else the empty text.
std::string appendRunLog(const std::string &logFolder, const std::string &line);

} // namespace rnx10::backuptool

// Catching up a backup that cron skipped while the computer was off: a marked crontab job whose
// last due time lies after the newest archive and after the last catch-up, and far enough back
// that cron is not running it right now, is run once.
#pragma once

#include "platform/CommandRunner.h"
#include "services/CrontabText.h"
#include "services/ScheduledTaskService.h"

#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace rnx10 {

// A due time this recent may be running now, started by cron itself.
inline constexpr std::time_t kCatchUpGraceSeconds = 15 * 60;

struct MissedJob {
    cron::CronJob line;
    std::time_t due = 0; // the last time it came due
};

// The marked lines whose last due time (at or before now) lies after newestArchive and lastCatchUp
// (each when there is one) and more than kCatchUpGraceSeconds before now, in crontab order.
std::vector<MissedJob> missedJobs(const std::vector<cron::CronJob> &lines, std::optional<std::time_t> newestArchive,
                                  std::optional<std::time_t> lastCatchUp, std::time_t now);

// Where the time of the last catch-up is kept: <state folder>/catch-up.
std::string catchUpRecordPath();
// The time kept at path; nothing when there is none or it is no number.
std::optional<std::time_t> readCatchUpRecord(const std::string &path);

struct CatchUpOutcome {
    std::vector<MissedJob> started;
    bool scheduled = false;                 // some marked crontab line or at job exists
    std::optional<std::time_t> lastBackup;  // the newest archive's time
};

// Runs each missed job's command once, as cron would (through /bin/sh -c, waited for), after
// telling starting(job); the catch-up's time is recorded at recordPath before the first one starts,
// so a second call runs none of them again. The whole of it holds a lock beside the record
// (recordPath + ".lock"): a second catch-up at the same time waits for it. Raises as ScheduledTaskService::scheduleState does
// and with the file system's error when the record cannot be written (nothing is run then).
CatchUpOutcome catchUpMissedJobs(ScheduledTaskService &service, CommandRunner &shell, const std::string &computerFolder,
                                 const std::string &recordPath, const std::function<void(const MissedJob &)> &starting);

} // namespace rnx10

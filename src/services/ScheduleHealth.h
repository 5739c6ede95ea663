// The schedule's health: when this computer was last backed up, when each scheduled job runs next,
// and what keeps backups from running (the scheduler stopped or missing, no backup for a week).
#pragma once

#include "services/ScheduledTaskService.h"

#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace rnx10 {

// A marked crontab line or at job and when it runs next.
struct JobHealth {
    std::string name;
    bool every = false;               // a crontab line; else an at job
    std::optional<std::time_t> next;  // unknown for @reboot or fields that cannot be read
    std::string program;              // what it runs
};

struct ScheduleHealth {
    std::optional<std::time_t> lastBackup; // the newest archive's time
    std::vector<JobHealth> jobs;
    std::vector<std::string> warnings;      // in English, as the command line's records give them
    std::vector<std::string> shownWarnings; // the same, in the user's language, for a window

    // The job that makes the next backup: the soonest next run of a job other than the thinning.
    std::optional<JobHealth> nextBackup() const;
};

// Everything the health is worked out from; tests give saved tool outputs and a fixed clock.
struct HealthInputs {
    ScheduleState schedule;
    std::optional<std::time_t> newestArchive;
    std::vector<std::string> processNames; // what runs now, by command name
    std::time_t now = 0;
};

// A backup older than this is warned about.
inline constexpr std::time_t kStaleBackupSeconds = 7 * 86400;

// The job name of the thinning line: it makes no backup.
inline constexpr const char *kThinJobName = "thin";

ScheduleHealth scheduleHealth(const HealthInputs &inputs);

// The inputs as they are now: the service's schedule and clock, the newest archive under
// computerFolder and the processes of /proc. Raises as ScheduledTaskService::scheduleState does.
HealthInputs currentHealthInputs(ScheduledTaskService &service, const std::string &computerFolder);

} // namespace rnx10

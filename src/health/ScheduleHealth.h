// The schedule's health: when this computer was last backed up, when each scheduled job runs next,
// and what keeps backups from running (the scheduler stopped or missing, no backup for a week).
#pragma once

#include "health/LastRunFailure.h"
#include "services/ScheduledTaskService.h"
#include "services/ThinningLines.h" // kThinJobName

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
    std::string program;              // the program it runs, one path
    bool overdue = false;             // an at job whose time has passed: atd never ran it
};

struct ScheduleHealth {
    std::optional<std::time_t> lastBackup; // the newest archive's time, never after now
    std::vector<JobHealth> jobs;
    std::vector<std::string> warnings;      // in English, as the command line's records give them
    std::vector<std::string> shownWarnings; // the same, in the user's language, for a window

    // The job that makes the next backup: the soonest next run of a job other than the thinning
    // that is not overdue.
    std::optional<JobHealth> nextBackup() const;
};

// Everything the health is worked out from; tests give saved tool outputs and a fixed clock.
struct HealthInputs {
    ScheduleState schedule;
    std::optional<std::time_t> newestArchive; // the newest made at or before now
    std::vector<std::string> processNames; // what runs now, by command name
    std::time_t now = 0;
    std::optional<std::time_t> futureArchive;     // a newer one dated after now
    std::optional<RunFailure> lastFailure;        // the backup tools' newest outcome, when a failure
};

// A backup older than this is warned about.
inline constexpr std::time_t kStaleBackupSeconds = 7 * 86400;


ScheduleHealth scheduleHealth(const HealthInputs &inputs);

// The inputs as they are now: the service's schedule and clock, the newest archive under
// computerFolder and the processes of /proc. Raises as ScheduledTaskService::scheduleState does.
HealthInputs currentHealthInputs(ScheduledTaskService &service, const std::string &computerFolder);

} // namespace rnx10

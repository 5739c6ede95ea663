// When the thinning job runs: half an hour after each scheduled backup, so it thins what that
// backup added. Its crontab lines follow the backup lines whenever those change.
#pragma once

#include "services/CrontabText.h"
#include "services/JobSchedule.h"

#include <string>
#include <vector>

namespace rnx10 {

// The job name of the thinning lines: they make no backup.
inline constexpr const char *kThinJobName = "thin";

// The thinning's schedules for the marked lines: for every backup line scheduled by day and time,
// half an hour after its time on its days, or on the day after each when that passes midnight;
// backups that lead to the same time share one schedule. Oldest time of day first; none when no
// backup line is scheduled by day and time.
std::vector<JobSchedule> thinningSchedules(const std::vector<cron::CronJob> &marked);

// The crontab with the thinning lines running command (a shell command line) put in place of the
// earlier ones, one per thinning schedule. Raises 5 when no backup line is scheduled by day and
// time.
std::string withThinningLines(const std::string &crontab, const std::string &command);

// The crontab with its thinning lines (if it has any) timed again for the backup lines it holds
// now, each running the command the first of them runs; without them when no backup line is left.
// A crontab without a thinning line comes back as it is.
std::string withThinningFollowingBackups(const std::string &crontab);

} // namespace rnx10

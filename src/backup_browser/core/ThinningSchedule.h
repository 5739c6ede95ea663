// Thinning after the scheduled backups: one marked line of the user's crontab running
// "rnx10-store thin" with the rule.
#pragma once

#include "backup_browser/core/ThinningRule.h"
#include "services/ScheduleHealth.h" // kThinJobName

#include <string>
#include <vector>

namespace rnx10 {

class ScheduledTaskService;
namespace cron {
struct CronJob;
}

// The line: on every day one of the marked backup lines runs, half an hour after the latest of
// their times (23:59 at the latest), program thin with the rule's five numbers. Raises 5 when no
// marked line is a backup scheduled by day and time, and as cron::quotedCommand does for program.
std::string thinJobLine(const std::vector<cron::CronJob> &marked, const ThinningRule &rule, const std::string &program);

// Puts the line in the crontab in place of an earlier one; raises as thinJobLine and the service do.
void scheduleThinning(ScheduledTaskService &service, const ThinningRule &rule, const std::string &program);
// Takes it out; none is no error.
void unscheduleThinning(ScheduledTaskService &service);

// rnx10-store beside the library (<lib>/../bin, as installed and as built), else the one on PATH.
// Raises 53 when there is none.
std::string storeToolProgram();

} // namespace rnx10

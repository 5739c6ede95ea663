// Thinning after the scheduled backups: marked lines of the user's crontab running
// "rnx10-store thin" with the rule, half an hour after each backup time.
#pragma once

#include "store/ThinningRule.h"
#include "services/ThinningLines.h" // kThinJobName

#include <string>

namespace rnx10 {

class ScheduledTaskService;

// The crontab with the thinning lines running program thin with the rule's five numbers, half an
// hour after each scheduled backup (services/ThinningLines.h), in place of earlier ones. Raises 5
// for a rule checkThinningRule refuses and when no marked line is a backup scheduled by day and
// time, and as cron::quotedCommand does for program.
std::string withThinningJob(const std::string &crontab, const ThinningRule &rule, const std::string &program);

// Puts the lines in the crontab in place of earlier ones; raises as withThinningJob and the service do.
void scheduleThinning(ScheduledTaskService &service, const ThinningRule &rule, const std::string &program);
// Takes them out; none is no error.
void unscheduleThinning(ScheduledTaskService &service);

// rnx10-store beside the library (<lib>/../bin, as installed and as built), else the one on PATH.
// Raises 53 when there is none.
std::string storeToolProgram();

} // namespace rnx10

#include "backup_browser/core/ThinningSchedule.h"

#include "automation/AutomationError.h"
#include "platform/LibraryFolder.h"
#include "services/CrontabText.h"
#include "services/JobSchedule.h"
#include "services/ScheduledTaskService.h"

#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <array>

namespace rnx10 {

namespace {

// The day codes JobSchedule takes, by struct tm's weekday (0 = Sunday).
constexpr std::array<const char *, 7> kDayCodes = {"SU", "M", "T", "W", "TH", "F", "S"};

std::string ruleArguments(const ThinningRule &rule)
{
    return " thin --within " + std::to_string(rule.within) + " --daily " + std::to_string(rule.daily) + " --weekly " +
           std::to_string(rule.weekly) + " --monthly " + std::to_string(rule.monthly) + " --yearly " +
           std::to_string(rule.yearly);
}

std::string twoDigits(int value) { return (value < 10 ? "0" : "") + std::to_string(value); }

} // namespace

std::string thinJobLine(const std::vector<cron::CronJob> &marked, const ThinningRule &rule, const std::string &program)
{
    checkThinningRule(rule);
    std::array<bool, 7> days{};
    int latest = -1; // minutes after midnight
    for (const cron::CronJob &job : marked) {
        const std::optional<JobSchedule> schedule = JobSchedule::fromCronFields(job.fields);
        if (job.jobName == kThinJobName || !schedule)
            continue;
        for (int day = 0; day < 7; ++day)
            days[static_cast<std::size_t>(day)] = days[static_cast<std::size_t>(day)] || schedule->runsOn(day);
        latest = std::max(latest, schedule->hour() * 60 + schedule->minute());
    }
    if (latest < 0)
        throw err::invalidCall("no backup is scheduled to repeat on certain days; schedule one with \"Schedule "
                               "Backups\" first");
    std::string dayList;
    for (std::size_t day = 0; day < days.size(); ++day)
        if (days[day])
            dayList += (dayList.empty() ? "" : ",") + std::string(kDayCodes[day]);
    const int at = std::min(latest + 30, 23 * 60 + 59);
    const JobSchedule schedule = JobSchedule::parse(dayList, twoDigits(at / 60) + ":" + twoDigits(at % 60));
    return schedule.cronFields() + " " + cron::quotedCommand(program) + ruleArguments(rule) + cron::jobMarker(kThinJobName);
}

void scheduleThinning(ScheduledTaskService &service, const ThinningRule &rule, const std::string &program)
{
    service.putCrontabLine(kThinJobName, thinJobLine(service.markedCrontabLines(), rule, program));
}

void unscheduleThinning(ScheduledTaskService &service)
{
    ScheduledJob job;
    job.name = kThinJobName;
    job.every = true;
    service.removeJob(job);
}

std::string storeToolProgram()
{
    if (const std::string folder = libraryFolder(); !folder.empty()) {
        const QFileInfo beside(QString::fromStdString(folder) + "/../bin/rnx10-store");
        if (beside.isExecutable())
            return beside.canonicalFilePath().toStdString();
    }
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("rnx10-store"));
    if (onPath.isEmpty())
        throw err::fileNotFound("rnx10-store is not installed");
    return onPath.toStdString();
}

} // namespace rnx10

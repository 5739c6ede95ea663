#include "services/ThinningLines.h"

#include "automation/AutomationError.h"

#include <algorithm>
#include <array>
#include <map>

namespace rnx10 {

namespace {

constexpr int kAfterBackupMinutes = 30;
constexpr int kDayMinutes = 24 * 60;
// The day codes JobSchedule takes, by struct tm's weekday (0 = Sunday).
constexpr std::array<const char *, 7> kDayCodes = {"SU", "M", "T", "W", "TH", "F", "S"};

std::string twoDigits(int value) { return (value < 10 ? "0" : "") + std::to_string(value); }

JobSchedule scheduleOf(const std::array<bool, 7> &days, int minuteOfDay)
{
    std::string dayList;
    for (std::size_t day = 0; day < days.size(); ++day)
        if (days[day])
            dayList += (dayList.empty() ? "" : ",") + std::string(kDayCodes[day]);
    return JobSchedule::parse(dayList, twoDigits(minuteOfDay / 60) + ":" + twoDigits(minuteOfDay % 60));
}

std::string linesFor(const std::vector<JobSchedule> &schedules, const std::string &command)
{
    std::string lines;
    for (const JobSchedule &schedule : schedules)
        lines += (lines.empty() ? "" : "\n") + schedule.cronFields() + " " + command + cron::jobMarker(kThinJobName);
    return lines;
}

} // namespace

std::vector<JobSchedule> thinningSchedules(const std::vector<cron::CronJob> &marked)
{
    std::map<int, std::array<bool, 7>> daysAt; // by minute of the day
    for (const cron::CronJob &job : marked) {
        const std::optional<JobSchedule> backup = JobSchedule::fromCronFields(job.fields);
        if (job.jobName == kThinJobName || !backup)
            continue;
        const int at = backup->hour() * 60 + backup->minute() + kAfterBackupMinutes;
        const int dayShift = at / kDayMinutes; // past midnight: the next day
        std::array<bool, 7> &days = daysAt[at % kDayMinutes];
        for (int day = 0; day < 7; ++day)
            if (backup->runsOn(day))
                days[static_cast<std::size_t>((day + dayShift) % 7)] = true;
    }
    std::vector<JobSchedule> schedules;
    for (const auto &[minuteOfDay, days] : daysAt)
        schedules.push_back(scheduleOf(days, minuteOfDay));
    return schedules;
}

std::string withThinningLines(const std::string &crontab, const std::string &command)
{
    const std::vector<JobSchedule> schedules = thinningSchedules(cron::markedJobs(crontab));
    if (schedules.empty())
        throw err::invalidCall("no backup is scheduled to repeat on certain days; schedule one with \"Schedule "
                               "Backups\" first");
    return cron::withJob(crontab, kThinJobName, linesFor(schedules, command));
}

std::string withThinningFollowingBackups(const std::string &crontab)
{
    const std::vector<cron::CronJob> marked = cron::markedJobs(crontab);
    const auto thin = std::find_if(marked.begin(), marked.end(), [](const cron::CronJob &job) { return job.jobName == kThinJobName; });
    if (thin == marked.end())
        return crontab;
    const std::vector<JobSchedule> schedules = thinningSchedules(marked);
    if (schedules.empty())
        return cron::withoutJob(crontab, kThinJobName);
    return cron::withJob(crontab, kThinJobName, linesFor(schedules, thin->command));
}

} // namespace rnx10

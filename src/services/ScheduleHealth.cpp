#include "services/ScheduleHealth.h"

#include "platform/Translation.h"
#include "services/CronTimes.h"
#include "services/NewestArchive.h"
#include "services/RunningProcesses.h"

#include <QtGlobal>

#include <algorithm>

namespace rnx10 {

namespace {

bool isRunning(const std::vector<std::string> &processes, std::initializer_list<const char *> names)
{
    return std::any_of(processes.begin(), processes.end(), [&](const std::string &process) {
        return std::any_of(names.begin(), names.end(), [&](const char *name) { return process == name; });
    });
}

// at's own time text, "Fri Dec 11 22:00:00 2026", as local time.
std::optional<std::time_t> atTime(const std::string &when)
{
    std::tm local{};
    const char *end = ::strptime(when.c_str(), "%a %b %d %H:%M:%S %Y", &local);
    if (!end || *end)
        return std::nullopt;
    local.tm_isdst = -1;
    return std::mktime(&local);
}

std::vector<JobHealth> jobsOf(const ScheduleState &schedule, std::time_t now)
{
    std::vector<JobHealth> jobs;
    for (const cron::CronJob &line : schedule.crontabLines) {
        const std::optional<CronTimes> times = CronTimes::parse(line.fields);
        jobs.push_back({line.jobName, true, times ? times->nextAfter(now) : std::nullopt,
                        cron::unquotedCommand(line.command)});
    }
    for (const ScheduledJob &job : schedule.atJobs)
        jobs.push_back({job.name, false, atTime(job.when), job.program});
    return jobs;
}

// Each warning as the records keep it and as a window shows it.
struct Warnings {
    std::vector<std::string> recorded, shown;
    void add(const char *text)
    {
        recorded.emplace_back(text);
        shown.push_back(tx("ScheduleHealth", text));
    }
};

Warnings warningsOf(const HealthInputs &in)
{
    Warnings warnings;
    if (!isRunning(in.processNames, {"cron", "crond"}))
        warnings.add(
            QT_TRANSLATE_NOOP("ScheduleHealth", "The cron daemon is not running: scheduled backups do not start."));
    if (!in.schedule.atJobs.empty() && !isRunning(in.processNames, {"atd"}))
        warnings.add(
            QT_TRANSLATE_NOOP("ScheduleHealth", "atd is not running: the backups queued with at do not start."));
    if (in.schedule.crontabMissing)
        warnings.add(
            QT_TRANSLATE_NOOP("ScheduleHealth", "crontab is not installed (not found on PATH): backups cannot repeat."));
    if (in.schedule.atMissing)
        warnings.add(
            QT_TRANSLATE_NOOP("ScheduleHealth", "at is not installed (not found on PATH): backups cannot be queued once."));
    if (!in.newestArchive) {
        warnings.add(QT_TRANSLATE_NOOP("ScheduleHealth", "There is no backup of this computer yet."));
    } else if (in.now - *in.newestArchive > kStaleBackupSeconds) {
        const auto days = static_cast<int>((in.now - *in.newestArchive) / 86400);
        warnings.recorded.push_back("No backup for " + std::to_string(days) + " days.");
        warnings.shown.push_back(tx("ScheduleHealth", "No backup for %n days.", nullptr, days));
    }
    return warnings;
}

} // namespace

std::optional<JobHealth> ScheduleHealth::nextBackup() const
{
    std::optional<JobHealth> soonest;
    for (const JobHealth &job : jobs)
        if (job.name != kThinJobName && job.next && (!soonest || *job.next < *soonest->next))
            soonest = job;
    return soonest;
}

ScheduleHealth scheduleHealth(const HealthInputs &inputs)
{
    Warnings warnings = warningsOf(inputs);
    return {inputs.newestArchive, jobsOf(inputs.schedule, inputs.now), std::move(warnings.recorded),
            std::move(warnings.shown)};
}

HealthInputs currentHealthInputs(ScheduledTaskService &service, const std::string &computerFolder)
{
    return {service.scheduleState(), newestArchiveTime(computerFolder), runningProcessNames(), service.now()};
}

} // namespace rnx10

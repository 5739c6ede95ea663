#include "health/ScheduleHealth.h"

#include "automation/AutomationError.h"
#include "platform/Translation.h"
#include "services/CronTimes.h"
#include "services/EnvironmentKeys.h"
#include "services/MinuteText.h"
#include "store/NewestArchive.h"
#include "store/StoreLocation.h"
#include "services/RunningProcesses.h"

#include <QtGlobal>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

namespace rnx10 {

namespace {

bool isRunning(const std::vector<std::string> &processes, std::initializer_list<const char *> names)
{
    return std::any_of(processes.begin(), processes.end(), [&](const std::string &process) {
        return std::any_of(names.begin(), names.end(), [&](const char *name) { return process == name; });
    });
}

// at's own time text, "Fri Dec 11 22:00:00 2026", as local time. at names the day and month in
// English whatever the locale, so they are not read through it (strptime's %a and %b are).
std::optional<std::time_t> atTime(const std::string &when)
{
    static constexpr std::array<const char *, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char weekday[4] = {}, month[4] = {};
    std::tm local{};
    int used = 0;
    if (std::sscanf(when.c_str(), "%3s %3s %d %d:%d:%d %d%n", weekday, month, &local.tm_mday, &local.tm_hour,
                    &local.tm_min, &local.tm_sec, &local.tm_year, &used) != 7 ||
        used != static_cast<int>(when.size()))
        return std::nullopt;
    const auto named = std::find_if(kMonths.begin(), kMonths.end(), [&](const char *name) { return std::strcmp(name, month) == 0; });
    if (named == kMonths.end())
        return std::nullopt;
    local.tm_mon = static_cast<int>(named - kMonths.begin());
    local.tm_year -= 1900;
    local.tm_isdst = -1;
    return std::mktime(&local);
}

std::vector<JobHealth> jobsOf(const ScheduleState &schedule, std::time_t now)
{
    std::vector<JobHealth> jobs;
    for (const cron::CronJob &line : schedule.crontabLines) {
        const std::optional<CronTimes> times = CronTimes::parse(line.fields);
        jobs.push_back({line.jobName, true, times ? times->nextAfter(now) : std::nullopt,
                        cron::commandProgram(line.command)});
    }
    for (const ScheduledJob &job : schedule.atJobs) {
        const std::optional<std::time_t> when = atTime(job.when);
        jobs.push_back({job.name, false, when, job.program, when && *when < now});
    }
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

Warnings warningsOf(const HealthInputs &in, const std::vector<JobHealth> &jobs)
{
    Warnings warnings;
    for (const AutomationError &unreadable : in.schedule.unreadable) {
        warnings.recorded.push_back("The schedule cannot be read: " + unreadable.description());
        warnings.shown.push_back(
            fillIn(tx("ScheduleHealth", "The schedule cannot be read: %1"), {shownDescription(unreadable)}));
    }
    for (const JobHealth &job : jobs)
        if (job.overdue) {
            const std::string when = minuteText(*job.next);
            warnings.recorded.push_back("The queued job " + job.name + " was due at " + when + " and has not run.");
            warnings.shown.push_back(
                fillIn(tx("ScheduleHealth", "The queued job %1 was due at %2 and has not run."), {job.name, when}));
        }
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
    if (in.futureArchive) {
        const std::string when = minuteText(*in.futureArchive);
        warnings.recorded.push_back("A backup is dated in the future, " + when + ": the clock was wrong when it was made.");
        warnings.shown.push_back(fillIn(
            tx("ScheduleHealth", "A backup is dated in the future, %1: the clock was wrong when it was made."), {when}));
    }
    // A failed run leaves no archive: only the log tells of it, until a newer archive is made.
    if (in.lastFailure && (!in.newestArchive || in.lastFailure->when > *in.newestArchive)) {
        const std::string when = minuteText(in.lastFailure->when);
        warnings.recorded.push_back("the last backup failed at " + when + ": " + in.lastFailure->reason);
        warnings.shown.push_back(
            fillIn(tx("ScheduleHealth", "the last backup failed at %1: %2"), {when, in.lastFailure->reason}));
    }
    return warnings;
}

} // namespace

std::optional<JobHealth> ScheduleHealth::nextBackup() const
{
    std::optional<JobHealth> soonest;
    for (const JobHealth &job : jobs)
        if (job.name != kThinJobName && job.next && !job.overdue && (!soonest || *job.next < *soonest->next))
            soonest = job;
    return soonest;
}

ScheduleHealth scheduleHealth(const HealthInputs &inputs)
{
    std::vector<JobHealth> jobs = jobsOf(inputs.schedule, inputs.now);
    Warnings warnings = warningsOf(inputs, jobs);
    return {inputs.newestArchive, std::move(jobs), std::move(warnings.recorded), std::move(warnings.shown)};
}

// The log folder's backup.log, where the backup tools record each run; nothing when the key
// names no usable folder.
std::optional<RunFailure> lastLoggedFailure()
{
    try {
        return lastRunFailure(absoluteFolderOf(envkey::Logs) + "/backup.log");
    } catch (const AutomationError &) {
        return std::nullopt;
    }
}

HealthInputs currentHealthInputs(ScheduledTaskService &service, const std::string &computerFolder)
{
    const std::time_t now = service.now();
    const NewestArchiveTimes newest = newestArchiveTimes(computerFolder, now);
    HealthInputs inputs;
    // A crontab that cannot be listed still leaves the at queue and the backups worth telling.
    inputs.schedule = service.scheduleState(UnreadableSchedule::Tell);
    inputs.newestArchive = newest.counted;
    inputs.futureArchive = newest.future;
    inputs.lastFailure = lastLoggedFailure();
    inputs.processNames = runningProcessNames();
    inputs.now = now;
    return inputs;
}

} // namespace rnx10

#include "health/CatchUp.h"

#include "platform/FileIO.h"
#include "platform/FileLock.h"
#include "platform/Paths.h"
#include "services/CronTimes.h"
#include "store/NewestArchive.h"
#include "services/RuntimeService.h"
#include "health/ScheduleHealth.h"

#include <algorithm>
#include <filesystem>

namespace rnx10 {

std::vector<MissedJob> missedJobs(const std::vector<cron::CronJob> &lines, std::optional<std::time_t> newestArchive,
                                  std::optional<std::time_t> lastCatchUp, std::time_t now)
{
    std::vector<MissedJob> missed;
    for (const cron::CronJob &line : lines) {
        if (line.jobName == kThinJobName)
            continue; // it makes no backup: its next time comes soon enough
        const std::optional<CronTimes> times = CronTimes::parse(line.fields);
        const std::optional<std::time_t> due = times ? times->lastAtOrBefore(now) : std::nullopt;
        if (due && *due < now - kCatchUpGraceSeconds && (!newestArchive || *due > *newestArchive) &&
            (!lastCatchUp || *due > *lastCatchUp))
            missed.push_back({line, *due});
    }
    return missed;
}

std::string catchUpRecordPath() { return RuntimeService::stateFolder() + "/catch-up"; }

std::optional<std::time_t> readCatchUpRecord(const std::string &path)
{
    const SmallFileText record = readSmallFile(path, 64);
    if (record.status != SmallFile::Read)
        return std::nullopt;
    try {
        std::size_t used = 0;
        const long long seconds = std::stoll(record.text, &used);
        return record.text.find_first_not_of(" \n", used) == std::string::npos ? std::optional<std::time_t>(seconds)
                                                                                : std::nullopt;
    } catch (const std::exception &) {
        return std::nullopt;
    }
}

CatchUpOutcome catchUpMissedJobs(ScheduledTaskService &service, CommandRunner &shell, const std::string &computerFolder,
                                 const std::string &recordPath, const std::function<void(const MissedJob &)> &starting)
{
    // Two logins at once start two catch-ups: the lock spans the decision and the runs, so the
    // second decides only once the first has recorded its catch-up, and runs nothing again.
    std::error_code ignored; // a folder that cannot be made shows as the lock's error
    std::filesystem::create_directories(parentPath(recordPath), ignored);
    const std::optional<FileLock> lock = FileLock::hold(recordPath + ".lock", FileLock::Wait::UntilFree);
    const ScheduleState schedule = service.scheduleState();
    const std::time_t now = service.now();
    CatchUpOutcome outcome;
    // The thinning line alone makes no backup: the "No backup for N days" notice still counts.
    outcome.scheduled = !schedule.atJobs.empty() ||
                        std::any_of(schedule.crontabLines.begin(), schedule.crontabLines.end(),
                                    [](const cron::CronJob &line) { return line.jobName != kThinJobName; });
    outcome.lastBackup = newestArchiveTime(computerFolder, now);
    outcome.started = missedJobs(schedule.crontabLines, outcome.lastBackup, readCatchUpRecord(recordPath), now);
    if (outcome.started.empty())
        return outcome;
    atomicReplace(recordPath, std::to_string(static_cast<long long>(now)) + "\n");
    for (const MissedJob &job : outcome.started) {
        starting(job);
        shell.run("/bin/sh", {"-c", job.line.command}, {});
    }
    return outcome;
}

} // namespace rnx10

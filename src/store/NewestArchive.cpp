#include "store/NewestArchive.h"

#include "store/StoreRuns.h"

namespace rnx10 {

namespace {

// A run's wall-clock time (held as UTC) as the local time it names.
std::time_t localTimeOf(const QDateTime &wallClock)
{
    std::tm local{};
    local.tm_year = wallClock.date().year() - 1900;
    local.tm_mon = wallClock.date().month() - 1;
    local.tm_mday = wallClock.date().day();
    local.tm_hour = wallClock.time().hour();
    local.tm_min = wallClock.time().minute();
    local.tm_isdst = -1;
    return std::mktime(&local);
}

// now's local wall-clock time, held as UTC like a run's.
QDateTime wallClockOf(std::time_t now)
{
    std::tm local{};
    ::localtime_r(&now, &local);
    return QDateTime(QDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday),
                     QTime(local.tm_hour, local.tm_min, local.tm_sec), Qt::UTC);
}

} // namespace

NewestArchiveTimes newestArchiveTimes(const std::string &computerFolder, std::time_t now)
{
    const NewestRuns runs = newestStoreRuns(computerFolder, wallClockOf(now));
    NewestArchiveTimes times;
    if (runs.newestNotAfter)
        times.counted = localTimeOf(runs.newestNotAfter->time);
    if (runs.newest && (!runs.newestNotAfter || runs.newest->path != runs.newestNotAfter->path))
        times.future = localTimeOf(runs.newest->time);
    return times;
}

std::optional<std::time_t> newestArchiveTime(const std::string &computerFolder, std::time_t now)
{
    return newestArchiveTimes(computerFolder, now).counted;
}

} // namespace rnx10

#include "store/StoreRuns.h"

#include "automation/AutomationError.h"
#include "platform/walk/DirListing.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <functional>

namespace rnx10 {

namespace {

// The one or two digits text holds at at, as a number; nothing for no digit or more than two.
std::optional<int> leadingDigits(const std::string &text, std::size_t &at)
{
    int value = 0;
    const std::size_t from = at;
    while (at < text.size() && at - from < 2 && text[at] >= '0' && text[at] <= '9')
        value = value * 10 + (text[at++] - '0');
    if (at == from || (at < text.size() && text[at] >= '0' && text[at] <= '9'))
        return std::nullopt; // no digit, or a longer number than an hour or minute
    return value;
}

// Opens sub-folder name of parent, never through a link. Unset for one that is gone since the
// listing or is a link (no level of this store); raises for any other failure, naming path.
std::optional<Descriptor> openLevel(const Descriptor &parent, const std::string &name, const std::string &path)
{
    const int fd = walk::tryOpenFolderAt(parent.get(), name.c_str());
    if (fd < 0) {
        if (errno == ENOENT || errno == ELOOP || errno == ENOTDIR)
            return std::nullopt;
        throw err::fromErrno(errno, path);
    }
    return Descriptor(fd);
}

// A level's sub-folders that the store names by a number, with their numbers.
std::vector<std::pair<int, std::string>> numberedFolders(const Descriptor &folder, const std::string &path, int lowest,
                                                         int highest)
{
    std::vector<std::pair<int, std::string>> numbered;
    for (const std::string &name : walk::subFolderNamesAt(folder.get(), path))
        if (const auto number = storeFolderNumber(name, lowest, highest))
            numbered.emplace_back(*number, name);
    return numbered;
}

// Calls hour(dayFolder, run) for every hour folder below the computer folder, newest day first
// when newestFirst, else in listing order; hour returns false to stop the walk. onError decides
// what a level that cannot be read does: rethrow, or return to pass it over.
class HourWalk {
public:
    using HourFn = std::function<bool(const Descriptor &, const StoreRun &)>;
    HourWalk(bool newestFirst, HourFn hour, std::function<void()> onError)
        : m_newestFirst(newestFirst), m_hour(std::move(hour)), m_onError(std::move(onError))
    {
    }

    void computer(const Descriptor &folder, const std::string &path)
    {
        for (const auto &[year, name] : ordered(numberedFolders(folder, path, 1, 9999)))
            if (!level(folder, path, name, [&](const Descriptor &fd, const std::string &p) { return months(fd, p, year); }))
                return;
    }

private:
    template <typename Fn>
    bool level(const Descriptor &parent, const std::string &parentPath, const std::string &name, Fn &&fn)
    {
        const std::string path = parentPath + "/" + name;
        try {
            const std::optional<Descriptor> folder = openLevel(parent, name, path);
            return !folder || fn(*folder, path);
        } catch (const AutomationError &) {
            m_onError();
            return true;
        }
    }

    std::vector<std::pair<int, std::string>> ordered(std::vector<std::pair<int, std::string>> numbered) const
    {
        if (m_newestFirst)
            std::sort(numbered.begin(), numbered.end(), std::greater<>());
        return numbered;
    }

    bool months(const Descriptor &year, const std::string &path, int y)
    {
        for (const auto &[month, name] : ordered(numberedFolders(year, path, 1, 12)))
            if (!level(year, path, name, [&](const Descriptor &fd, const std::string &p) { return days(fd, p, y, month); }))
                return false;
        return true;
    }

    bool days(const Descriptor &month, const std::string &path, int y, int m)
    {
        for (const auto &[day, name] : ordered(numberedFolders(month, path, 1, 31)))
            if (QDate::isValid(y, m, day) &&
                !level(month, path, name, [&](const Descriptor &fd, const std::string &p) { return hours(fd, p, y, m, day); }))
                return false;
        return true;
    }

    bool hours(const Descriptor &day, const std::string &path, int y, int m, int d)
    {
        std::vector<StoreRun> runs;
        for (const std::string &name : walk::subFolderNamesAt(day.get(), path))
            if (const QDateTime time = runTime(y, m, d, name); time.isValid())
                runs.push_back({path + "/" + name, time});
        if (m_newestFirst)
            std::sort(runs.begin(), runs.end(),
                      [](const StoreRun &a, const StoreRun &b) { return a.time != b.time ? a.time > b.time : a.path > b.path; });
        for (const StoreRun &run : runs)
            if (!m_hour(day, run))
                return false;
        return true;
    }

    bool m_newestFirst;
    HourFn m_hour;
    std::function<void()> m_onError;
};

Descriptor openComputerFolder(const std::string &computerFolder)
{
    Descriptor computer(::open(computerFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!computer.valid())
        throw err::fromErrno(errno, computerFolder);
    return computer;
}

// Whether the run's hour folder (inside day) holds an archive; unset when it is gone since the
// listing or is a link. Raises, naming it, when it cannot be read: an hour folder that cannot be
// looked into may hold a real archive, so it is never taken for an empty one.
std::optional<bool> hourHoldsArchive(const Descriptor &day, const StoreRun &run)
{
    const std::size_t slash = run.path.rfind('/');
    const std::optional<Descriptor> hour = openLevel(day, run.path.substr(slash + 1), run.path);
    if (!hour)
        return std::nullopt;
    return holdsArchive(hour->get(), run.path);
}

} // namespace

std::optional<int> storeFolderNumber(const std::string &name, int lowest, int highest)
{
    if (name.empty() || name.size() > 4 || name[0] == '0' ||
        !std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int value = std::stoi(name);
    if (value < lowest || value > highest)
        return std::nullopt;
    return value;
}

QDateTime runTime(int year, int month, int day, const std::string &hourName)
{
    std::size_t at = 0;
    const auto hour = leadingDigits(hourName, at);
    if (!hour || *hour > 23)
        return {};
    int minute = 0;
    if (at < hourName.size() && hourName[at] == '-') {
        std::size_t from = ++at;
        if (const auto m = leadingDigits(hourName, at); m && at - from == 2) {
            if (*m > 59)
                return {};
            minute = *m;
        }
    }
    return QDateTime(QDate(year, month, day), QTime(*hour, minute), Qt::UTC);
}

bool holdsArchive(int hourFolder, const std::string &path)
{
    for (const std::string &name : walk::subFolderNamesAt(hourFolder, path))
    {
        struct stat details {};
        // Any entry of that name counts (a link or a FIFO too, which the browser lists as an
        // archive): what may hold data is never taken for a failed backup's leftover.
        if (::fstatat(hourFolder, (name + "/details.ini").c_str(), &details, AT_SYMLINK_NOFOLLOW) == 0)
            return true;
    }
    return false;
}

StoreHours listStoreHours(const std::string &computerFolder)
{
    StoreHours hours;
    const Descriptor computer = openComputerFolder(computerFolder);
    HourWalk walk(
        false,
        [&](const Descriptor &day, const StoreRun &run) {
            if (const std::optional<bool> holds = hourHoldsArchive(day, run))
                (*holds ? hours.runs : hours.empty).push_back(run);
            return true;
        },
        [] { throw; }); // called inside the level's catch: rethrows what it caught
    walk.computer(computer, computerFolder);
    const auto byTime = [](const StoreRun &a, const StoreRun &b) { return a.time != b.time ? a.time < b.time : a.path < b.path; };
    std::sort(hours.runs.begin(), hours.runs.end(), byTime);
    std::sort(hours.empty.begin(), hours.empty.end(), byTime);
    return hours;
}

std::vector<StoreRun> listStoreRuns(const std::string &computerFolder) { return listStoreHours(computerFolder).runs; }

NewestRuns newestStoreRuns(const std::string &computerFolder, const QDateTime &notAfter)
{
    NewestRuns found;
    try {
        const Descriptor computer = openComputerFolder(computerFolder);
        HourWalk walk(
            true,
            [&](const Descriptor &day, const StoreRun &run) {
                // An hour folder that cannot be read is passed over alone, not the rest of its day.
                try {
                    if (!hourHoldsArchive(day, run).value_or(false))
                        return true;
                } catch (const AutomationError &) {
                    return true;
                }
                if (!found.newest)
                    found.newest = run;
                if (run.time <= notAfter)
                    found.newestNotAfter = run;
                return !found.newestNotAfter;
            },
            [] {});
        walk.computer(computer, computerFolder);
    } catch (const AutomationError &) {
    }
    return found;
}

} // namespace rnx10

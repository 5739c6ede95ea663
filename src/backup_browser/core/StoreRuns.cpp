#include "backup_browser/core/StoreRuns.h"

#include "automation/AutomationError.h"
#include "backup_browser/core/LeadingNumber.h"
#include "platform/walk/DirListing.h"

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <optional>

namespace rnx10 {

namespace {

// The number a folder is named by, only when the name is exactly its canonical text.
std::optional<int> canonicalNumber(const std::string &name, int lowest, int highest)
{
    if (name.empty() || name.size() > 4 || !std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int value = std::stoi(name);
    if (value < lowest || value > highest || canonicalNumberText(value) != name)
        return std::nullopt;
    return value;
}

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


class RunLister {
public:
    explicit RunLister(std::vector<StoreRun> &runs) : m_runs(runs) {}

    void computer(const Descriptor &folder, const std::string &path)
    {
        for (const std::string &name : walk::subFolderNamesAt(folder.get(), path))
            if (const auto year = canonicalNumber(name, 1, 9999))
                level(folder, path, name, [&](const Descriptor &fd, const std::string &p) { months(fd, p, *year); });
    }

private:
    template <typename Fn>
    void level(const Descriptor &parent, const std::string &parentPath, const std::string &name, Fn &&fn)
    {
        const std::string path = parentPath + "/" + name;
        const int fd = walk::tryOpenFolderAt(parent.get(), name.c_str());
        if (fd < 0) {
            if (errno == ENOENT || errno == ELOOP || errno == ENOTDIR)
                return; // gone since the listing, or a link: no run of this store
            throw err::fromErrno(errno, path);
        }
        const Descriptor folder(fd);
        fn(folder, path);
    }

    void months(const Descriptor &year, const std::string &path, int y)
    {
        for (const std::string &name : walk::subFolderNamesAt(year.get(), path))
            if (const auto month = canonicalNumber(name, 1, 12))
                level(year, path, name, [&](const Descriptor &fd, const std::string &p) { days(fd, p, y, *month); });
    }

    void days(const Descriptor &month, const std::string &path, int y, int m)
    {
        for (const std::string &name : walk::subFolderNamesAt(month.get(), path)) {
            const auto day = canonicalNumber(name, 1, 31);
            if (day && QDate::isValid(y, m, *day))
                level(month, path, name, [&](const Descriptor &fd, const std::string &p) { hours(fd, p, y, m, *day); });
        }
    }

    void hours(const Descriptor &day, const std::string &path, int y, int m, int d)
    {
        for (const std::string &name : walk::subFolderNamesAt(day.get(), path))
            if (const QDateTime time = runTime(y, m, d, name); time.isValid())
                m_runs.push_back({path + "/" + name, time});
    }

    std::vector<StoreRun> &m_runs;
};

} // namespace

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

std::vector<StoreRun> listStoreRuns(const std::string &computerFolder)
{
    std::vector<StoreRun> runs;
    const Descriptor computer(::open(computerFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!computer.valid())
        throw err::fromErrno(errno, computerFolder);
    RunLister(runs).computer(computer, computerFolder);
    std::sort(runs.begin(), runs.end(), [](const StoreRun &a, const StoreRun &b) {
        return a.time != b.time ? a.time < b.time : a.path < b.path;
    });
    return runs;
}

} // namespace rnx10

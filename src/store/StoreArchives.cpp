#include "store/StoreArchives.h"

#include "store/ArchiveDeletion.h"
#include "store/ArchiveList.h"
#include "store/LeadingNumber.h"
#include "platform/NameOrder.h"
#include "platform/Paths.h"
#include "platform/walk/DirListing.h"

#include <QDate>

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <set>
#include <vector>

namespace rnx10 {

namespace {

struct Level {
    int first, last; // the numbers a folder of this level may stand for
};
constexpr Level kYears{1, 9999}, kMonths{1, 12}, kDays{1, 31};


// The numbers the names stand for within level, largest first, each once: "05" and "5" both
// stand for 5 and are entered once, as "5".
std::vector<int> numbersOf(const std::vector<std::string> &names, Level level)
{
    std::set<int, std::greater<>> numbers;
    for (const std::string &name : names) {
        const double n = leadingNumber(name);
        if (n >= level.first && n <= level.last && n == std::floor(n))
            numbers.insert(static_cast<int>(n));
    }
    return {numbers.begin(), numbers.end()};
}

std::vector<std::string> newestNameFirst(std::vector<std::string> names)
{
    sortByName(names);
    std::reverse(names.begin(), names.end());
    return names;
}

std::optional<std::string> copyBelowOf(const std::string &archiveFolder, const std::string &destinationDir)
{
    const std::string archive = canonicalStorePath(archiveFolder);
    const std::string copy = canonicalStorePath(destinationDir);
    if (archive.empty() || copy.empty() || copy == archive || !isInside(copy, archive))
        return std::nullopt;
    return copy.substr(archive.size() + 1);
}

class ArchiveWalk {
public:
    ArchiveWalk(const DateRange &range, const ArchiveVisitor &visitor, walk::WalkProgress *progress)
        : m_range(range), m_visitor(visitor), m_progress(progress)
    {
    }

    void run(const std::string &computerFolder)
    {
        const std::string top = followLink(computerFolder);
        Descriptor fd = walk::openFolderAt(AT_FDCWD, top.c_str(), top);
        const std::vector<std::string> names = walk::subFolderNamesAt(fd.get(), top);
        for (int year : numbersOf(names, kYears))
            if (mayHold({year, kMonths.last, kDays.last}, {year, 1, 1}))
                numbered(fd.get(), computerFolder, year, [&](int yearFd, const std::string &path) {
                    months(yearFd, path, year);
                });
    }

private:
    // True when some day between oldest and newest lies in the range.
    bool mayHold(const ArchiveDate &newest, const ArchiveDate &oldest) const
    {
        return (!m_range.from || newest >= *m_range.from) && (!m_range.to || oldest <= *m_range.to);
    }

    void months(int yearFd, const std::string &yearPath, int year)
    {
        for (int month : listedNumbers(yearFd, yearPath, kMonths))
            if (mayHold({year, month, kDays.last}, {year, month, 1}))
                numbered(yearFd, yearPath, month, [&](int monthFd, const std::string &path) {
                    days(monthFd, path, year, month);
                });
    }

    void days(int monthFd, const std::string &monthPath, int year, int month)
    {
        for (int day : listedNumbers(monthFd, monthPath, kDays))
            if (m_range.holds({year, month, day}))
                numbered(monthFd, monthPath, day, [&](int dayFd, const std::string &path) {
                    hours(dayFd, path, {year, month, day});
                });
    }

    void hours(int dayFd, const std::string &dayPath, const ArchiveDate &date)
    {
        for (const std::string &hour : listed(dayFd, dayPath))
            opened(dayFd, joinPath(dayPath, hour), hour, [&](int hourFd, const std::string &path) {
                for (const std::string &name : listed(hourFd, path))
                    opened(hourFd, joinPath(path, name), name, [&](int archiveFd, const std::string &folder) {
                        archive(archiveFd, folder, date, hour);
                    });
            });
    }

    void archive(int fd, const std::string &folder, const ArchiveDate &date, const std::string &hour)
    {
        std::array<std::string, 5> values;
        readDetailsAt(fd, values);
        StoreArchive a;
        a.date = date;
        a.hour = hour;
        a.folder = folder;
        a.sourceDir = values[0];
        a.destinationDir = values[1];
        a.copyBelow = copyBelowOf(folder, a.destinationDir);
        a.fd = fd;
        m_visitor.archive(a);
    }

    std::vector<int> listedNumbers(int fd, const std::string &path, Level level)
    {
        return numbersOf(listed(fd, path), level);
    }

    // The folders inside fd, newest name first; nothing, told, when it cannot be listed.
    std::vector<std::string> listed(int fd, const std::string &path)
    {
        stopIfCancelled();
        try {
            return newestNameFirst(walk::subFolderNamesAt(fd, path));
        } catch (const AutomationError &e) {
            tell(path, e);
            return {};
        }
    }

    template <typename Then> void numbered(int parent, const std::string &parentPath, int number, Then &&then)
    {
        const std::string name = canonicalNumberText(number);
        opened(parent, joinPath(parentPath, name), name, then);
    }

    // Opens name inside parent (never through a link) and hands it to then; a folder that is gone
    // is passed over, one that cannot be opened is told.
    template <typename Then> void opened(int parent, const std::string &path, const std::string &name, Then &&then)
    {
        stopIfCancelled();
        Descriptor fd(walk::tryOpenFolderAt(parent, name.c_str()));
        if (!fd.valid()) {
            if (errno != ENOENT)
                tell(path, err::fromErrno(errno, path));
            return;
        }
        then(fd.get(), path);
    }

    void tell(const std::string &path, const AutomationError &error) const
    {
        if (m_visitor.unreadable)
            m_visitor.unreadable(path, error);
    }

    void stopIfCancelled() const
    {
        if (m_progress && m_progress->cancel.load(std::memory_order_relaxed))
            throw walk::interrupted();
    }

    const DateRange &m_range;
    const ArchiveVisitor &m_visitor;
    walk::WalkProgress *m_progress;
};

} // namespace

std::string dateText(const ArchiveDate &date)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

std::optional<ArchiveDate> parseDate(const std::string &text)
{
    const QDate date = QDate::fromString(QString::fromStdString(text), u"yyyy-MM-dd");
    if (text.size() != 10 || !date.isValid())
        return std::nullopt;
    return ArchiveDate{date.year(), date.month(), date.day()};
}

Descriptor openCopy(const StoreArchive &a)
{
    if (!a.copyBelow)
        throw err::pathNotFound(a.folder + " has no copy inside it");
    Descriptor fd(::fcntl(a.fd, F_DUPFD_CLOEXEC, 0));
    if (!fd.valid())
        throw err::fromErrno(errno, a.folder);
    std::string path = a.folder;
    for (std::size_t at = 0; at <= a.copyBelow->size();) {
        std::size_t end = a.copyBelow->find('/', at);
        if (end == std::string::npos)
            end = a.copyBelow->size();
        const std::string name = a.copyBelow->substr(at, end - at);
        path = joinPath(path, name);
        fd = walk::openFolderAt(fd.get(), name.c_str(), path);
        at = end + 1;
    }
    return fd;
}

ArchiveOrigin originOf(const StoreArchive &a) { return {a.date, a.hour, a.folder, a.sourceDir}; }

std::string copyPathOf(const StoreArchive &a) { return a.copyBelow ? joinPath(a.folder, *a.copyBelow) : std::string(); }

void forEachArchive(const std::string &computerFolder, const DateRange &range, const ArchiveVisitor &visitor,
                    walk::WalkProgress *progress)
{
    ArchiveWalk(range, visitor, walk::progressOrThread(progress)).run(computerFolder);
}

} // namespace rnx10

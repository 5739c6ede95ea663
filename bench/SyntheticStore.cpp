#include "SyntheticStore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace rnx10::bench {

namespace {

int daysIn(int year, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

std::string hostName()
{
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0 || !*name)
        return "computer";
    return name;
}

class Builder {
public:
    Builder(const StoreShape &shape, Store &store) : m_shape(shape), m_store(store) {}

    int folder(int parent, const std::string &name)
    {
        if (::mkdirat(parent, name.c_str(), 0755) != 0 && errno != EEXIST)
            throw std::runtime_error("cannot create " + name);
        int fd = ::openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            throw std::runtime_error("cannot open " + name);
        ++m_store.folders;
        return fd;
    }

    void file(int dir, const std::string &name, const std::string &content)
    {
        int fd = ::openat(dir, name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0 || ::write(fd, content.data(), content.size()) != static_cast<ssize_t>(content.size()))
            throw std::runtime_error("cannot write " + name);
        ::close(fd);
        ++m_store.files;
        m_store.bytes += content.size();
    }

    // Sizes spread from empty to a few kilobytes, with one larger file per archive.
    std::string data(int index)
    {
        m_seed = m_seed * 6364136223846793005ULL + 1442695040888963407ULL;
        std::size_t size = index == 0 ? 16 * 1024 : static_cast<std::size_t>((m_seed >> 33) % 2048);
        return std::string(size, static_cast<char>('a' + index % 26));
    }

    void archive(int hour, const std::string &hourPath, const std::string &name, const std::string &stamp)
    {
        int dir = folder(hour, name);
        std::string path = hourPath + "/" + name;
        file(dir, "details.ini",
             "[DETAILS]\r\nSourceDir=/home/user/Documents/" + name + "\r\nDestinationDir=" + path +
                 "/copy\r\nComputer=" + m_store.computer.substr(m_store.computer.rfind('/') + 1) +
                 "\r\nWindowsUser=user\r\nNowStamp=" + stamp + "\r\n");
        int copy = folder(dir, "copy");
        int sub = folder(copy, "sub");
        int dataFiles = std::max(1, m_shape.filesPerArchive - 2);
        for (int i = 0; i < dataFiles; ++i)
            file(i % 2 ? sub : copy, "file-" + std::to_string(i) + ".dat", data(i));
        if (::symlinkat("file-0.dat", copy, "latest") == 0)
            ++m_store.links;
        ::close(sub);
        ::close(copy);
        ::close(dir);
    }

    void hour(int day, const std::string &dayPath, int index, const std::string &date)
    {
        char name[16];
        std::snprintf(name, sizeof name, "%02d-%02d-00", (index * 7) % 24, (index * 13) % 60);
        int dir = folder(day, name);
        std::string path = dayPath + "/" + name;
        static const char *kinds[] = {"regbak", "shellbak", "shellbak"};
        for (int a = 0; a < m_shape.archivesPerHour; ++a)
            archive(dir, path, std::string(kinds[a % 3]) + "-" + std::to_string(a + 1), date + " " + name);
        ::close(dir);
    }

private:
    const StoreShape &m_shape;
    Store &m_store;
    std::uint64_t m_seed = 42;
};

} // namespace

Store buildStore(const std::string &root, const StoreShape &shape)
{
    Store store;
    store.root = root;
    store.computer = root + "/" + hostName();
    Builder b(shape, store);
    int rootFd = b.folder(AT_FDCWD, root);
    int computer = b.folder(rootFd, hostName());

    int totalDays = 0;
    for (int y = 0; y < shape.years; ++y)
        for (int m = 1; m <= 12; ++m)
            totalDays += daysIn(shape.firstYear + y, m);
    // Regular files an hour holds: each archive's details.ini and data files (its link is extra).
    std::uint64_t perHour = static_cast<std::uint64_t>(shape.archivesPerHour) * (shape.filesPerArchive - 1);
    std::uint64_t hours = std::max<std::uint64_t>(1, shape.files / perHour);

    int dayIndex = 0;
    for (int y = 0; y < shape.years; ++y) {
        int year = shape.firstYear + y;
        int yearFd = b.folder(computer, std::to_string(year));
        for (int m = 1; m <= 12; ++m) {
            int monthFd = b.folder(yearFd, std::to_string(m));
            for (int d = 1; d <= daysIn(year, m); ++d, ++dayIndex) {
                // Hours spread evenly over the days, so every day holds about the same.
                auto first = hours * dayIndex / totalDays, last = hours * (dayIndex + 1) / totalDays;
                std::string dayPath = store.computer + "/" + std::to_string(year) + "/" + std::to_string(m) + "/" +
                                      std::to_string(d);
                int dayFd = b.folder(monthFd, std::to_string(d));
                char date[16];
                std::snprintf(date, sizeof date, "%04d-%02d-%02d", year, m, d);
                for (auto h = first; h < last; ++h)
                    b.hour(dayFd, dayPath, static_cast<int>(h - first), date);
                if (store.sampleDay.empty() && last > first && year == shape.firstYear + shape.years / 2) {
                    store.sampleDay = dayPath;
                    store.sampleHour = dayPath + "/00-00-00";
                    store.year = year, store.month = m, store.day = d;
                }
                ::close(dayFd);
            }
            ::close(monthFd);
        }
        ::close(yearFd);
    }
    ::close(computer);
    ::close(rootFd);
    return store;
}

} // namespace rnx10::bench

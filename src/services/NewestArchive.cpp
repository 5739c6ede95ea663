#include "services/NewestArchive.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <functional>
#include <vector>

namespace rnx10 {

namespace {

namespace fs = std::filesystem;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The folder's number when the name is 1 to 4 digits within [low, high]; -1 otherwise.
int numberOf(const std::string &name, int low, int high)
{
    if (name.empty() || name.size() > 4 || !std::all_of(name.begin(), name.end(), isDigit))
        return -1;
    const int n = std::stoi(name);
    return n >= low && n <= high ? n : -1;
}

// An hour folder's minutes since midnight: "HH-MM" as the tools name it, or "HH".
int minuteOfDay(const std::string &name)
{
    const std::size_t dash = name.find('-');
    const int hour = numberOf(name.substr(0, dash), 0, 23);
    const int minute = dash == std::string::npos ? 0 : numberOf(name.substr(dash + 1), 0, 59);
    return hour < 0 || minute < 0 || name.size() > 5 ? -1 : hour * 60 + minute;
}

// The sub-folders of folder with a value (by valueOf, -1 for none), highest value first.
std::vector<std::pair<int, fs::path>> rankedFolders(const fs::path &folder, const std::function<int(const std::string &)> &valueOf)
{
    std::vector<std::pair<int, fs::path>> ranked;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const int value = valueOf(it->path().filename().string());
        std::error_code typeError;
        if (value >= 0 && it->is_directory(typeError))
            ranked.emplace_back(value, it->path());
    }
    std::sort(ranked.begin(), ranked.end(), [](const auto &a, const auto &b) { return a.first > b.first; });
    return ranked;
}

} // namespace

std::optional<std::time_t> newestArchiveTime(const std::string &computerFolder)
{
    // Highest year first, then month and day within it; an empty level falls back to the next.
    for (const auto &[year, yearPath] : rankedFolders(computerFolder, [](const std::string &n) { return numberOf(n, 1970, 9999); }))
        for (const auto &[month, monthPath] : rankedFolders(yearPath, [](const std::string &n) { return numberOf(n, 1, 12); }))
            for (const auto &[day, dayPath] : rankedFolders(monthPath, [](const std::string &n) { return numberOf(n, 1, 31); })) {
                const auto hours = rankedFolders(dayPath, minuteOfDay);
                if (hours.empty())
                    continue;
                std::tm local{};
                local.tm_year = year - 1900;
                local.tm_mon = month - 1;
                local.tm_mday = day;
                local.tm_hour = hours.front().first / 60;
                local.tm_min = hours.front().first % 60;
                local.tm_isdst = -1;
                return std::mktime(&local);
            }
    return std::nullopt;
}

} // namespace rnx10

#include "services/MinuteText.h"

#include <cstdio>

namespace rnx10 {

std::string minuteText(std::time_t when)
{
    std::tm local{};
    ::localtime_r(&when, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
    return text;
}

std::optional<std::time_t> parseMinuteText(const std::string &text)
{
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, used = 0;
    if (text.size() != 16 ||
        std::sscanf(text.c_str(), "%4d-%2d-%2d %2d:%2d%n", &year, &month, &day, &hour, &minute, &used) != 5 ||
        used != 16 || hour > 23 || minute > 59)
        return std::nullopt;
    std::tm local{};
    local.tm_year = year - 1900;
    local.tm_mon = month - 1;
    local.tm_mday = day;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_isdst = -1;
    const std::time_t when = std::mktime(&local);
    if (local.tm_year != year - 1900 || local.tm_mon != month - 1 || local.tm_mday != day || local.tm_hour != hour ||
        local.tm_min != minute)
        return std::nullopt; // mktime moved an impossible date, or a time the clock skips, on
    return when;
}

std::string spanText(std::time_t seconds)
{
    const auto count = [](std::time_t n, const char *unit) {
        return std::to_string(n) + " " + unit + (n == 1 ? "" : "s");
    };
    if (seconds >= 86400)
        return count(seconds / 86400, "day");
    if (seconds >= 3600)
        return count(seconds / 3600, "hour");
    return count(seconds > 0 ? seconds / 60 : 0, "minute");
}

} // namespace rnx10

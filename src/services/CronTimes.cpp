#include "services/CronTimes.h"

#include <array>
#include <cctype>
#include <map>
#include <sstream>
#include <vector>

namespace rnx10 {

namespace {

constexpr int kDaysSearched = 8 * 366;

const std::map<std::string, std::string> kMacros = {
    {"@hourly", "0 * * * *"},  {"@daily", "0 0 * * *"},   {"@midnight", "0 0 * * *"}, {"@weekly", "0 0 * * 0"},
    {"@monthly", "0 0 1 * *"}, {"@yearly", "0 0 1 1 *"}, {"@annually", "0 0 1 1 *"}};

const std::array<const char *, 12> kMonthNames = {"jan", "feb", "mar", "apr", "may", "jun",
                                                   "jul", "aug", "sep", "oct", "nov", "dec"};
const std::array<const char *, 7> kDayNames = {"sun", "mon", "tue", "wed", "thu", "fri", "sat"};

// A number, or a name of names (first counted as first); -1 when it is neither.
template <std::size_t N>
int valueOf(const std::string &text, const std::array<const char *, N> *names, int first)
{
    if (!text.empty() && text.size() <= 4 && std::isdigit(static_cast<unsigned char>(text[0]))) {
        for (char c : text)
            if (!std::isdigit(static_cast<unsigned char>(c)))
                return -1;
        return std::stoi(text);
    }
    std::string lower;
    for (char c : text)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (std::size_t i = 0; names && i < names->size(); ++i)
        if (lower == (*names)[i])
            return first + static_cast<int>(i);
    return -1;
}

std::vector<std::string> split(const std::string &text, char separator)
{
    std::vector<std::string> parts;
    std::stringstream stream(text);
    for (std::string part; std::getline(stream, part, separator);)
        parts.push_back(part);
    if (!text.empty() && text.back() == separator)
        parts.emplace_back();
    return parts;
}

// Sets the values one field names ("*", "5", "1-5", "*/10", "10-40/5", lists of these) in bits;
// false for a field cron would refuse.
template <std::size_t Bits, std::size_t N>
bool parseField(const std::string &field, int low, int high, std::bitset<Bits> &bits,
                const std::array<const char *, N> *names, int firstName)
{
    for (const std::string &item : split(field, ',')) {
        const std::vector<std::string> stepped = split(item, '/');
        if (stepped.empty() || stepped.size() > 2)
            return false;
        int step = 1;
        if (stepped.size() == 2 && (step = valueOf<N>(stepped[1], nullptr, 0)) < 1)
            return false;
        int from = low, to = high;
        if (stepped[0] != "*") {
            const std::vector<std::string> range = split(stepped[0], '-');
            if (range.empty() || range.size() > 2)
                return false;
            from = valueOf(range[0], names, firstName);
            to = range.size() == 2 ? valueOf(range[1], names, firstName) : (stepped.size() == 2 ? high : from);
        }
        if (from < low || to > high || from > to)
            return false;
        for (int v = from; v <= to; v += step)
            bits.set(static_cast<std::size_t>(v));
    }
    return true;
}

std::tm dayStart(std::time_t when, int daysAhead)
{
    std::tm day{};
    ::localtime_r(&when, &day);
    day.tm_mday += daysAhead;
    day.tm_hour = 12; // midday: a clock change never moves it to another date
    day.tm_min = day.tm_sec = 0;
    day.tm_isdst = -1;
    std::mktime(&day);
    return day;
}

// The moment the clock jumped forward last before when (a time just after a skipped stretch):
// the first second whose local time is past the skipped ones.
std::time_t clockJumpBefore(std::time_t when)
{
    constexpr int kLongestJumpMinutes = 3 * 60;
    const auto minutesOfDay = [](std::time_t t) {
        std::tm local{};
        ::localtime_r(&t, &local);
        return local.tm_hour * 60 + local.tm_min;
    };
    std::time_t jump = when - when % 60;
    for (int i = 0; i < kLongestJumpMinutes; ++i) {
        // Across a jump, the minute before is further back on the clock than a minute.
        const int before = minutesOfDay(jump - 60), at = minutesOfDay(jump);
        if (at - before != 1 && !(before == 24 * 60 - 1 && at == 0))
            return jump;
        jump -= 60;
    }
    return when;
}

} // namespace

std::optional<CronTimes> CronTimes::parse(const std::string &text)
{
    std::string fields = text;
    if (text.starts_with('@')) {
        const auto macro = kMacros.find(text);
        if (macro == kMacros.end())
            return std::nullopt;
        fields = macro->second;
    }
    std::istringstream words(fields);
    std::vector<std::string> f;
    for (std::string word; words >> word;)
        f.push_back(word);
    if (f.size() != 5)
        return std::nullopt;
    CronTimes t;
    const bool ok = parseField<60, 0>(f[0], 0, 59, t.m_minutes, nullptr, 0) &&
                    parseField<24, 0>(f[1], 0, 23, t.m_hours, nullptr, 0) &&
                    parseField<32, 0>(f[2], 1, 31, t.m_days, nullptr, 0) &&
                    parseField(f[3], 1, 12, t.m_months, &kMonthNames, 1) &&
                    parseField(f[4], 0, 7, t.m_weekdays, &kDayNames, 0);
    if (!ok)
        return std::nullopt;
    if (t.m_weekdays[7])
        t.m_weekdays.set(0);
    t.m_eitherDay = !f[2].starts_with('*') && !f[4].starts_with('*');
    t.m_fixedTime = !f[0].starts_with('*') && !f[1].starts_with('*');
    return t;
}

bool CronTimes::runsOnDay(const std::tm &day) const
{
    if (!m_months[static_cast<std::size_t>(day.tm_mon + 1)])
        return false;
    const bool dayOfMonth = m_days[static_cast<std::size_t>(day.tm_mday)];
    const bool weekday = m_weekdays[static_cast<std::size_t>(day.tm_wday)];
    return m_eitherDay ? dayOfMonth || weekday : dayOfMonth && weekday;
}

// The first (after) or last (not after) of the day's run times on the right side of now.
std::optional<std::time_t> CronTimes::timeOnDay(const std::tm &day, std::time_t now, bool after) const
{
    for (int i = 0; i < 24 * 60; ++i) {
        const int minuteOfDay = after ? i : 24 * 60 - 1 - i;
        const int hour = minuteOfDay / 60, minute = minuteOfDay % 60;
        if (!m_hours[static_cast<std::size_t>(hour)] || !m_minutes[static_cast<std::size_t>(minute)])
            continue;
        std::tm at = day;
        at.tm_hour = hour;
        at.tm_min = minute;
        at.tm_sec = 0;
        at.tm_isdst = -1;
        std::time_t when = std::mktime(&at);
        if (at.tm_hour != hour || at.tm_min != minute) {
            // The clock skips this minute (spring forward). cron runs a job of fixed hour and
            // minute at once when the clock has jumped; a job with "*" there just misses it.
            if (!m_fixedTime)
                continue;
            when = clockJumpBefore(when);
        }
        if (after ? when > now : when <= now)
            return when;
    }
    return std::nullopt;
}

std::optional<std::time_t> CronTimes::nextAfter(std::time_t now) const
{
    for (int ahead = 0; ahead <= kDaysSearched; ++ahead) {
        const std::tm day = dayStart(now, ahead);
        if (runsOnDay(day))
            if (const auto when = timeOnDay(day, now, true))
                return when;
    }
    return std::nullopt;
}

std::optional<std::time_t> CronTimes::lastAtOrBefore(std::time_t now) const
{
    for (int back = 0; back <= kDaysSearched; ++back) {
        const std::tm day = dayStart(now, -back);
        if (runsOnDay(day))
            if (const auto when = timeOnDay(day, now, false))
                return when;
    }
    return std::nullopt;
}

} // namespace rnx10

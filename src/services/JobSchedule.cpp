#include "services/JobSchedule.h"

#include "automation/AutomationError.h"
#include "platform/TerminalText.h"

#include <cstdio>
#include <map>
#include <vector>

namespace rnx10 {

namespace {

const std::map<std::string, int> kDayCodes = {{"SU", 0}, {"M", 1}, {"T", 2}, {"W", 3}, {"TH", 4}, {"F", 5}, {"S", 6}};

int dayOf(const std::string &part, const std::string &days)
{
    auto found = kDayCodes.find(part);
    if (found == kDayCodes.end())
        throw err::invalidCall("the days \"" + printableText(days) + "\" hold \"" + printableText(part) +
                               "\", which is not one of the day codes M,T,W,TH,F,S,SU (comma-separated)");
    return found->second;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int twoDigits(const std::string &text, std::size_t at) { return (text[at] - '0') * 10 + (text[at + 1] - '0'); }

// A number of one or two digits up to most; -1 for anything else.
int smallNumber(const std::string &text, int most)
{
    if (text.empty() || text.size() > 2 || !isDigit(text[0]) || (text.size() == 2 && !isDigit(text[1])))
        return -1;
    const int n = std::stoi(text);
    return n <= most ? n : -1;
}

std::vector<std::string> split(const std::string &text, char separator)
{
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}

} // namespace

JobSchedule JobSchedule::parse(const std::string &days, const std::string &time)
{
    JobSchedule s;
    if (days.empty())
        throw err::invalidCall("no day is given; use day codes such as M,T,W,TH,F,S,SU");
    for (std::size_t start = 0;;) {
        std::size_t comma = days.find(',', start);
        s.m_days[static_cast<std::size_t>(dayOf(days.substr(start, comma - start), days))] = true;
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    const bool shaped = time.size() == 5 && isDigit(time[0]) && isDigit(time[1]) && time[2] == ':' &&
                        isDigit(time[3]) && isDigit(time[4]);
    if (!shaped || twoDigits(time, 0) > 23 || twoDigits(time, 3) > 59)
        throw err::invalidCall("the time \"" + printableText(time) +
                               "\" is not hh:mm on the 24-hour clock (00:00 to 23:59)");
    s.m_hour = twoDigits(time, 0);
    s.m_minute = twoDigits(time, 3);
    return s;
}

std::string JobSchedule::cronFields() const
{
    std::string weekdays;
    for (int d = 0; d < 7; ++d)
        if (runsOn(d))
            weekdays += (weekdays.empty() ? "" : ",") + std::to_string(d);
    if (weekdays == "0,1,2,3,4,5,6")
        weekdays = "*";
    return std::to_string(m_minute) + " " + std::to_string(m_hour) + " * * " + weekdays;
}

std::optional<JobSchedule> JobSchedule::fromCronFields(const std::string &fields)
{
    const std::vector<std::string> f = split(fields, ' ');
    if (f.size() != 5 || f[2] != "*" || f[3] != "*")
        return std::nullopt;
    JobSchedule s;
    s.m_minute = smallNumber(f[0], 59);
    s.m_hour = smallNumber(f[1], 23);
    if (s.m_minute < 0 || s.m_hour < 0)
        return std::nullopt;
    if (f[4] == "*") {
        s.m_days.fill(true);
        return s;
    }
    for (const std::string &day : split(f[4], ',')) {
        const int d = smallNumber(day, 6);
        if (d < 0)
            return std::nullopt;
        s.m_days[static_cast<std::size_t>(d)] = true;
    }
    return s;
}

std::string JobSchedule::daysText() const
{
    static const char *const codes[] = {"SU", "M", "T", "W", "TH", "F", "S"};
    std::string text;
    for (int i = 1; i <= 7; ++i) // Monday first, Sunday last, as the dialog offers them
        if (runsOn(i % 7))
            text += (text.empty() ? "" : ",") + std::string(codes[i % 7]);
    return text;
}

std::string JobSchedule::timeText() const
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", m_hour, m_minute);
    return text;
}

std::tm JobSchedule::nextRun(std::time_t now) const
{
    std::tm today{};
    ::localtime_r(&now, &today);
    for (int ahead = 0; ahead <= 7; ++ahead) {
        std::tm candidate = today;
        candidate.tm_mday += ahead;
        candidate.tm_hour = m_hour;
        candidate.tm_min = m_minute;
        candidate.tm_sec = 0;
        candidate.tm_isdst = -1;
        std::time_t when = std::mktime(&candidate); // normalises the date and fills tm_wday
        if (when > now && runsOn(candidate.tm_wday))
            return candidate;
    }
    throw err::invalidCall("no day is given");
}

} // namespace rnx10

// When a scheduled job runs: the days of the week and the time of day the user typed.
#pragma once

#include <array>
#include <ctime>
#include <optional>
#include <string>

namespace rnx10 {

class JobSchedule {
public:
    // days: a comma-separated list of the codes M,T,W,TH,F,S,SU (any of them, any order, nothing
    // else); time: "hh:mm" on the 24-hour clock, 00:00 to 23:59. Raises 5 naming the bad part.
    static JobSchedule parse(const std::string &days, const std::string &time);

    // weekday as struct tm counts it: 0 = Sunday.
    bool runsOn(int weekday) const { return m_days[static_cast<std::size_t>(weekday)]; }
    int hour() const { return m_hour; }
    int minute() const { return m_minute; }

    // The five time fields of a crontab line: "0 22 * * *", "30 7 * * 1,3,5".
    std::string cronFields() const;

    // The schedule back from fields that cronFields() wrote; nothing for any other fields.
    static std::optional<JobSchedule> fromCronFields(const std::string &fields);

    // The days as the user types them, Monday first ("M,W,SU"), and the time ("06:30").
    std::string daysText() const;
    std::string timeText() const;

    // The first moment after now (local time) on one of the days at the time.
    std::tm nextRun(std::time_t now) const;

private:
    std::array<bool, 7> m_days{};
    int m_hour = 0;
    int m_minute = 0;
};

} // namespace rnx10

// When a crontab line's time fields come due: the next run after a moment and the last one before.
#pragma once

#include <bitset>
#include <ctime>
#include <optional>
#include <string>

namespace rnx10 {

class CronTimes {
public:
    // The five fields ("30 2 * * 1-5", "*/15 * * * *", names such as "mon" or "jan" too) or one of
    // @hourly, @daily, @midnight, @weekly, @monthly, @yearly, @annually. Nothing for @reboot and for
    // fields cron would refuse.
    static std::optional<CronTimes> parse(const std::string &fields);

    // The first minute after now (local time) the line runs; nothing when none comes within eight
    // years (a 29 February that must also be a given weekday).
    std::optional<std::time_t> nextAfter(std::time_t now) const;
    // The last minute at or before now the line ran, or would have run; nothing likewise.
    std::optional<std::time_t> lastAtOrBefore(std::time_t now) const;

private:
    bool runsOnDay(const std::tm &day) const;
    std::optional<std::time_t> timeOnDay(const std::tm &day, std::time_t now, bool after) const;

    std::bitset<60> m_minutes;
    std::bitset<24> m_hours;
    std::bitset<32> m_days;
    std::bitset<13> m_months;
    std::bitset<8> m_weekdays; // 0 and 7 are Sunday
    // cron's rule: when both day fields are restricted (neither starts with "*"), either matching
    // is enough.
    bool m_eitherDay = false;
    // Neither minute nor hour starts with "*": cron runs such a job when a clock change skips its
    // time, as soon as the clock has jumped.
    bool m_fixedTime = false;
};

} // namespace rnx10

#include "automation/AutomationError.h"
#include "services/JobSchedule.h"
#include "support/TestSupport.h"

#include <ctime>

using namespace rnx10;
using namespace rnx10::test;

namespace {

TEST(JobSchedule, DayCodesInAnyOrderAndSubsetGiveCronWeekdays)
{
    const struct {
        const char *days, *time, *fields;
    } cases[] = {
        {"M,T,W,TH,F,S,SU", "22:00", "0 22 * * *"},
        {"SU,S,F,TH,W,T,M", "00:00", "0 0 * * *"},
        {"M", "23:59", "59 23 * * 1"},
        {"TH,T", "07:05", "5 7 * * 2,4"},
        {"S,SU", "12:30", "30 12 * * 0,6"},
        {"M,M", "01:00", "0 1 * * 1"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.days);
        EXPECT_EQ(JobSchedule::parse(c.days, c.time).cronFields(), c.fields);
    }
}

TEST(JobSchedule, BadDaysAndTimesRaiseFiveNamingTheBadPart)
{
    const struct {
        const char *days, *time, *named;
    } cases[] = {
        {"X,Y", "22:00", "\"X\""},
        {"M;T", "22:00", "\"M;T\""},
        {"M,T\n* * * * * rm -rf ~", "22:00", "\"T\\n* * * * * rm -rf ~\""},
        {"", "22:00", "no day"},
        {"M,", "22:00", "hold \"\""},
        {"m,t", "22:00", "\"m\""},
        {"M, T", "22:00", "\" T\""},
        {"M,T", "24:00", "\"24:00\""},
        {"M,T", "7", "\"7\""},
        {"M,T", "22:60", "\"22:60\""},
        {"M,T", "ab:cd", "\"ab:cd\""},
        {"M,T", "7:30", "\"7:30\""},
        {"M,T", "22:00\n* * * * * rm -rf ~", "\"22:00\\n* * * * * rm -rf ~\""},
        {"M,T", "", "\"\""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.days) + " | " + c.time);
        const AutomationError e = expectError(5, [&] { JobSchedule::parse(c.days, c.time); });
        EXPECT_NE(e.description().find(c.named), std::string::npos) << e.description();
        EXPECT_EQ(e.description().find('\n'), std::string::npos) << "raw line break in the message";
    }
}

std::time_t utc(int year, int month, int day, int hour, int minute)
{
    std::tm t{};
    t.tm_year = year - 1900, t.tm_mon = month - 1, t.tm_mday = day, t.tm_hour = hour, t.tm_min = minute;
    return ::timegm(&t);
}

TEST(JobSchedule, NextRunIsTheFirstMatchingDayStrictlyAfterNow)
{
    EnvironmentScope env;
    env.set("TZ", "UTC");
    ::tzset();
    const std::time_t thursday3am = utc(2026, 12, 10, 3, 0); // Thursday 10 December 2026
    const struct {
        const char *name, *days, *time;
        std::time_t now, expected;
    } cases[] = {
        {"later today", "M,T,W,TH,F,S,SU", "22:00", thursday3am, utc(2026, 12, 10, 22, 0)},
        {"earlier today: tomorrow", "M,T,W,TH,F,S,SU", "02:00", thursday3am, utc(2026, 12, 11, 2, 0)},
        {"next Monday", "M", "22:00", thursday3am, utc(2026, 12, 14, 22, 0)},
        {"right now: a week on", "TH", "03:00", thursday3am, utc(2026, 12, 17, 3, 0)},
        {"across the year", "F", "09:00", utc(2026, 12, 31, 10, 0), utc(2027, 1, 1, 9, 0)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::tm next = JobSchedule::parse(c.days, c.time).nextRun(c.now);
        EXPECT_EQ(::timegm(&next), c.expected);
    }
    env.unset("TZ");
    ::tzset();
}

} // namespace

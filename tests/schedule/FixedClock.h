// Local times for the schedule's tests: the clock's zone is UTC, so a saved time means one moment.
#pragma once

#include "services/MinuteText.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

namespace rnx10::test {

inline void useUtc()
{
    ::setenv("TZ", "UTC", 1);
    ::tzset();
}

// "2026-12-11 03:00" as a time; the test fails on a text that is none.
inline std::time_t minute(const std::string &text)
{
    const std::optional<std::time_t> when = parseMinuteText(text);
    EXPECT_TRUE(when) << text;
    return when.value_or(0);
}

} // namespace rnx10::test

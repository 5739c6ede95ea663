// Local times as the schedule's health shows them and --now takes them: "YYYY-MM-DD HH:MM".
#pragma once

#include <ctime>
#include <optional>
#include <string>

namespace rnx10 {

// "2026-12-10 21:05" in local time.
std::string minuteText(std::time_t when);

// The local time "YYYY-MM-DD HH:MM" names; nothing for any other text or a date that does not
// exist (2026-02-30).
std::optional<std::time_t> parseMinuteText(const std::string &text);

// How long a span is, in its largest whole unit: "3 days", "1 hour", "12 minutes", "0 minutes".
std::string spanText(std::time_t seconds);

} // namespace rnx10

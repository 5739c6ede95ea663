// A value from the store as a window shows it: a details file may hold a value of many kilobytes,
// which no cell, panel, tooltip or message box can show; the full value is still used for paths.
#pragma once

#include <cstddef>
#include <string>

namespace rnx10 {

// The most bytes of a value a window shows before cutting it short.
inline constexpr std::size_t kMostShownBytes = 300;

// value as it is when it has at most kMostShownBytes; otherwise its start, cut before a UTF-8
// sequence that would not fit, followed by "…".
std::string shownValue(const std::string &value);

} // namespace rnx10

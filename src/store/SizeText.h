// Sizes as the browser shows them.
#pragma once

#include <cstdint>
#include <string>

namespace rnx10 {

// bytes / 1048576 as text: at most 15 significant digits, no trailing zeros, no grouping, the
// locale's decimal separator. Not rounded.
std::string BytesToMBText(double bytes);

// How every caller shows a size: BytesToMBText read back in the locale, rounded half to even.
std::string roundedMegabytes(std::uint64_t bytes);

// bytes in plain decimal digits followed by " Bytes", in the user's language.
std::string bytesText(std::uint64_t bytes);

// "Size : " followed by the rounded megabytes and " MB", in the user's language.
std::string sizeCaptionText(std::uint64_t bytes);

} // namespace rnx10

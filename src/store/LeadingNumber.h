// How the store's year, month and day folders are matched: by the leading number of the name.
#pragma once

#include <string>

namespace rnx10 {

// The number a name starts with: leading blanks and tabs skipped, an optional sign, digits, an
// optional fraction and exponent. A name without a leading number counts as 0.
double leadingNumber(const std::string &name);

// True when the name's leading number equals value ("05" and "5" both match 5, "2009a" matches 2009).
bool matchesNumber(const std::string &name, int value);

// The folder name a matched number is addressed by: plain decimal digits, no leading zeros.
std::string canonicalNumberText(int value);

} // namespace rnx10

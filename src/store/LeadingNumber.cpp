#include "store/LeadingNumber.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace rnx10 {

namespace {
bool isDigitAt(const std::string &s, std::size_t i) { return i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])); }

std::size_t skipDigits(const std::string &s, std::size_t i)
{
    while (isDigitAt(s, i))
        ++i;
    return i;
}

// Length of the exponent part starting at i ("E+3", "d2"), or 0 when there is none.
std::size_t exponentLength(const std::string &s, std::size_t i)
{
    if (i >= s.size() || std::string("eEdD").find(s[i]) == std::string::npos)
        return 0;
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-'))
        ++j;
    return isDigitAt(s, j) ? skipDigits(s, j) - i : 0;
}
} // namespace

double leadingNumber(const std::string &name)
{
    std::size_t i = 0;
    while (i < name.size() && (name[i] == ' ' || name[i] == '\t'))
        ++i;
    const std::size_t begin = i;
    if (i < name.size() && (name[i] == '+' || name[i] == '-'))
        ++i;
    const std::size_t digitsBegin = i;
    i = skipDigits(name, i);
    if (i < name.size() && name[i] == '.')
        i = skipDigits(name, i + 1);
    if (i == digitsBegin || (i == digitsBegin + 1 && name[digitsBegin] == '.'))
        return 0;
    std::string number = name.substr(begin, i - begin);
    if (const std::size_t e = exponentLength(name, i)) {
        number += 'e' + name.substr(i + 1, e - 1);
    }
    if (number[0] == '+')
        number.erase(0, 1);
    // from_chars reads "." whatever the process locale says.
    double value = 0;
    std::from_chars(number.data(), number.data() + number.size(), value);
    return std::isfinite(value) ? value : 0;
}

bool matchesNumber(const std::string &name, int value) { return leadingNumber(name) == static_cast<double>(value); }

std::string canonicalNumberText(int value) { return std::to_string(value); }

} // namespace rnx10

#include "platform/NameOrder.h"

#include <algorithm>

namespace rnx10 {

namespace {
unsigned char folded(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte - 'A' + 'a') : byte;
}
} // namespace

bool nameBefore(std::string_view a, std::string_view b)
{
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i)
        if (folded(a[i]) != folded(b[i]))
            return folded(a[i]) < folded(b[i]);
    if (a.size() != b.size())
        return a.size() < b.size();
    // Equal but for case: the bytes decide, so the order never depends on the listing.
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
    });
}

void sortByName(std::vector<std::string> &names)
{
    std::sort(names.begin(), names.end(), [](const std::string &a, const std::string &b) { return nameBefore(a, b); });
}

} // namespace rnx10

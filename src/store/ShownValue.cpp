#include "store/ShownValue.h"

namespace rnx10 {

namespace {
bool continuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
} // namespace

std::string shownValue(const std::string &value)
{
    if (value.size() <= kMostShownBytes)
        return value;
    std::size_t cut = kMostShownBytes;
    while (cut > 0 && continuationByte(value[cut]))
        --cut;
    return value.substr(0, cut) + "\u2026";
}

} // namespace rnx10

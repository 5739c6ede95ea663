// Store folder names against the calendar's year, month and day.
#include "FuzzInput.h"

#include "store/LeadingNumber.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace rnx10;
    int value = 0;
    if (size >= sizeof value)
        std::memcpy(&value, data, sizeof value);
    const std::string name(reinterpret_cast<const char *>(data), size);
    if (!std::isfinite(leadingNumber(name)))
        std::abort();
    matchesNumber(name, value);
    // The canonical name of a number is always selected by it.
    if (value >= 0 && !matchesNumber(canonicalNumberText(value), value))
        std::abort();
    return 0;
}

// Byte counts added without wrapping: sparse files can claim sizes whose sum exceeds 64 bits, and
// a total that wrapped would show a huge tree as nearly empty.
#pragma once

#include <cstdint>
#include <limits>

namespace rnx10::walk {

inline std::uint64_t addBytes(std::uint64_t a, std::uint64_t b)
{
    std::uint64_t sum = 0;
    return __builtin_add_overflow(a, b, &sum) ? std::numeric_limits<std::uint64_t>::max() : sum;
}

} // namespace rnx10::walk

// Splits one fuzz input into text fields at NUL bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace rnx10::fuzz {

inline std::vector<std::string> fields(const std::uint8_t *data, std::size_t size, std::size_t count)
{
    std::vector<std::string> out(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0 && out.size() < count)
            out.emplace_back();
        else
            out.back() += static_cast<char>(data[i]);
    }
    out.resize(count);
    return out;
}

} // namespace rnx10::fuzz

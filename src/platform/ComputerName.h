#pragma once

#include <string>

namespace rnx10 {

// This computer's name; the empty text when it cannot be had.
std::string GetMachineName();

} // namespace rnx10

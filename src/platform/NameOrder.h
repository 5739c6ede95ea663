// The one order in which lists of names are shown and walked: by name without regard to case
// (the letters A to Z; other bytes compare as they are), names equal that way by their bytes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rnx10 {

// True when a comes before b in name order.
bool nameBefore(std::string_view a, std::string_view b);

// Sorts names into name order.
void sortByName(std::vector<std::string> &names);

} // namespace rnx10

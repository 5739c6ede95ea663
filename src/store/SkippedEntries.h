// What a restore tells of the archive's entries it passed over (sockets and devices).
#pragma once

#include <string>
#include <vector>

namespace rnx10 {

// "" for none; else a sentence and the first few paths, one a line.
std::string skippedText(const std::vector<std::string> &skipped);

} // namespace rnx10

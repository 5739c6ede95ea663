// Which folders the maintenance cleanup must leave alone beyond "/" and the home folders.
#pragma once

#include <string>
#include <vector>

namespace rnx10 {

// The store, the locker and the program root, as the environment names them now; a key that
// cannot be resolved is left out.
std::vector<std::string> keptFolders();

// The kept folder that path is, holds or lies inside, judged on real paths; the empty text when none.
std::string overlappedKeptFolder(const std::string &path, const std::vector<std::string> &kept);

} // namespace rnx10

// Which folders the maintenance cleanup must leave alone beyond "/" and $HOME.
#pragma once

#include <string>
#include <vector>

namespace rnx10 {

// The home folder of the user's password entry; the empty text when there is none. HOME may
// point elsewhere (sudo, a service, a script), so the cleanup guards this one too.
std::string passwordHomeFolder();

// True when path is the password entry's home folder or one of its ancestors, judged on real paths.
bool isAccountHomeOrAncestor(const std::string &path);

// The store, the locker and the program root, as the environment names them now; a key that
// cannot be resolved is left out.
std::vector<std::string> keptFolders();

// The kept folder that path is, holds or lies inside, judged on real paths; the empty text when none.
std::string overlappedKeptFolder(const std::string &path, const std::vector<std::string> &kept);

} // namespace rnx10

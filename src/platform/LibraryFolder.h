// Where the component's library lies: the installed files beside it (the suite's programs, the
// translations, rnx10-store) are found from there, wherever the tree lies now.
#pragma once

#include <string>

namespace rnx10 {

// The library's folder with links resolved; empty when it cannot be told. Code running inside
// librnx10 gives the folder it was loaded from. A program that holds the internals itself (the
// command line, the suite's programs, the tests) gives the folder at the path the build gave that
// program from its own folder, as installed.
std::string libraryFolder();

} // namespace rnx10

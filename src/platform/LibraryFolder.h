// Where the component's library was loaded from: the installed files beside it (the suite's
// programs, the translations, rnx10-store) are found from there, wherever the tree lies now.
#pragma once

#include <string>

namespace rnx10 {

// The library's folder with links resolved; empty when the loader cannot tell.
std::string libraryFolder();

} // namespace rnx10

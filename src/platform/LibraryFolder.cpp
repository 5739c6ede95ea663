#include "platform/LibraryFolder.h"

#include <dlfcn.h>

#include <climits>
#include <cstdlib>

namespace rnx10 {

std::string libraryFolder()
{
    Dl_info info{};
    if (!::dladdr(reinterpret_cast<void *>(&libraryFolder), &info) || !info.dli_fname)
        return {};
    char resolved[PATH_MAX];
    if (!::realpath(info.dli_fname, resolved))
        return {};
    const std::string library = resolved;
    return library.substr(0, library.rfind('/'));
}

} // namespace rnx10

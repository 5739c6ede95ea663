#include "platform/LibraryFolder.h"

#include <dlfcn.h>
#include <sys/auxv.h>

#include <climits>
#include <cstdlib>

namespace rnx10 {

// Each program, and the library, defines it (the build generates it): the path from the program's
// folder to the library's, for a program that holds the internals itself.
extern const char *const kLibraryFolderFromProgram;

namespace {

std::string resolved(const std::string &path)
{
    char buffer[PATH_MAX];
    return ::realpath(path.c_str(), buffer) ? std::string(buffer) : std::string();
}

std::string folderOf(const std::string &path)
{
    return path.empty() ? path : path.substr(0, path.rfind('/'));
}

// Whether this code was linked into the main program rather than loaded with a shared library:
// the main program's headers lie in the object that holds it.
bool inMainProgram(const Dl_info &self)
{
    Dl_info program{};
    const auto headers = reinterpret_cast<void *>(::getauxval(AT_PHDR));
    return headers && ::dladdr(headers, &program) && program.dli_fbase == self.dli_fbase;
}

} // namespace

std::string libraryFolder()
{
    Dl_info self{};
    if (!::dladdr(reinterpret_cast<void *>(&libraryFolder), &self))
        return {};
    if (!inMainProgram(self))
        return self.dli_fname ? folderOf(resolved(self.dli_fname)) : std::string();
    const std::string program = folderOf(resolved("/proc/self/exe"));
    if (program.empty())
        return {};
    return resolved(program + "/" + kLibraryFolderFromProgram);
}

} // namespace rnx10

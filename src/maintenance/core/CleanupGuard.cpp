#include "maintenance/core/CleanupGuard.h"

#include "platform/Paths.h"
#include "services/EnvironmentKeys.h"
#include "services/RuntimeService.h"
#include "services/ServiceSet.h"

#include <pwd.h>
#include <unistd.h>

#include <exception>

namespace rnx10 {

std::string passwordHomeFolder()
{
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd *found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found || !entry.pw_dir)
        return {};
    return entry.pw_dir;
}

bool isAccountHomeOrAncestor(const std::string &path)
{
    const std::string home = passwordHomeFolder();
    const std::string real = realPath(path);
    if (home.empty() || real.empty())
        return false;
    for (const std::string &spelling : {home, realPath(home)})
        if (!spelling.empty() && isInside(spelling, real))
            return true;
    return false;
}

std::vector<std::string> keptFolders()
{
    std::vector<std::string> kept;
    for (const char *key : {envkey::Store, envkey::Locker, envkey::ProgramRoot}) {
        try {
            const std::string folder = services().runtime().EnvironGet(envkey::kSuiteEnvironment, key);
            if (!folder.empty())
                kept.push_back(folder);
        } catch (const std::exception &) {
        }
    }
    return kept;
}

std::string overlappedKeptFolder(const std::string &path, const std::vector<std::string> &kept)
{
    const std::string real = realPath(path);
    if (real.empty())
        return {};
    for (const std::string &folder : kept) {
        const std::string keptReal = realPath(folder);
        if (!keptReal.empty() && (isInside(real, keptReal) || isInside(keptReal, real)))
            return folder;
    }
    return {};
}

} // namespace rnx10

#include "services/RegistryService.h"

#include "automation/AutomationError.h"
#include "automation/ObjectRegistry.h"
#include "platform/Platform.h"
#include "services/ProgIds.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>

namespace rnx10 {

namespace {
RegisterObject<RegistryService, RegistryService> registration(progid::Registry);

const std::string kUserSoftware = "HKEY_CURRENT_USER\\Software\\";

std::string configHome()
{
    const char *v = std::getenv("XDG_CONFIG_HOME");
    if (v && *v == '/')
        return v;
    const char *home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.config";
}

void makeFolders(const std::string &path)
{
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        std::string level = path.substr(0, slash);
        if (::mkdir(level.c_str(), 0700) != 0 && errno != EEXIST)
            throw err::fromErrno(errno, level);
        if (slash == std::string::npos)
            return;
    }
}
} // namespace

std::string RegistryService::folderForKey(const std::string &key)
{
    if (key.compare(0, kUserSoftware.size(), kUserSoftware) != 0)
        throw err::invalidCall("not a per-user settings key: " + key);
    std::string folder = configHome();
    std::string rest = key.substr(kUserSoftware.size());
    std::size_t start = 0;
    while (start <= rest.size()) {
        std::size_t end = rest.find('\\', start);
        std::string part = rest.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (part == "." || part == ".." || part.find('/') != std::string::npos)
            throw err::invalidCall("bad key part \"" + part + "\"");
        if (!part.empty())
            folder += "/" + part;
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return folder;
}

void RegistryService::RegEditSetLastKey(const std::string &key, bool /*flag*/)
{
    std::string folder = folderForKey(key);
    makeFolders(folder);
    platform().shell->open(folder, 1);
}

} // namespace rnx10

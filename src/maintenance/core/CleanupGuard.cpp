#include "maintenance/core/CleanupGuard.h"

#include "platform/Paths.h"
#include "services/EnvironmentKeys.h"
#include "services/RuntimeService.h"
#include "services/ServiceSet.h"

#include <exception>

namespace rnx10 {

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

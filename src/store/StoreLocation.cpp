#include "store/StoreLocation.h"

#include "automation/AutomationError.h"
#include "platform/ComputerName.h"
#include "services/EnvironmentKeys.h"
#include "services/RuntimeService.h"
#include "services/ServiceSet.h"

namespace rnx10 {

std::string absoluteFolderOf(const std::string &key)
{
    std::string value = services().runtime().EnvironGet(envkey::kSuiteEnvironment, key);
    if (value.empty() || value.front() != '/')
        throw err::pathNotFound(key + " is not an absolute folder: \"" + value + "\"");
    return value;
}

std::string storeRootFolder() { return absoluteFolderOf(envkey::Store); }

std::string computerFolderPath() { return storeRootFolder() + "/" + GetMachineName(); }

} // namespace rnx10

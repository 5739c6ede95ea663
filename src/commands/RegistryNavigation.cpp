#include "commands/RegistryNavigation.h"

#include "services/RegistryService.h"
#include "services/ServiceSet.h"

namespace rnx10 {

std::optional<std::string> registryKeyForChoice(const std::string &text)
{
    if (text == kLumoraEntry || text.empty())
        return std::string(kLumoraKey);
    return std::nullopt;
}

void navigateToRegistryKey(const std::string &text)
{
    if (auto key = registryKeyForChoice(text))
        services().registry().RegEditSetLastKey(*key, true);
}

} // namespace rnx10

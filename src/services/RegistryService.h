// The registry service: a per-user settings key ("HKEY_CURRENT_USER\Software\A\B\C") is the
// folder $XDG_CONFIG_HOME/A/B/C, brought up in the desktop's file browser.
#pragma once

#include <string>

namespace rnx10 {

class RegistryService {
public:
    virtual ~RegistryService() = default;
    // Opens the key's folder, creating it when missing. Raises 5 for a key outside the user's software settings.
    virtual void RegEditSetLastKey(const std::string &key, bool flag);

    // The folder a key maps to; raises 5 for a key outside HKEY_CURRENT_USER\Software.
    static std::string folderForKey(const std::string &key);
};

} // namespace rnx10

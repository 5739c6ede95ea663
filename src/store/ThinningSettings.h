// The thinning window's settings: the rule and whether it runs after the scheduled backups, kept
// in $XDG_CONFIG_HOME/zorvane/rnx10.ini, section [Thinning].
#pragma once

#include "store/ThinningRule.h"

#include <string>

namespace rnx10 {

struct ThinningSettings {
    ThinningRule rule;
    bool afterBackup = false;
};

std::string thinningSettingsFile();

// The saved settings; a missing file, key or a value that is no whole number of 0 or more leaves
// that value's default.
ThinningSettings loadThinningSettings();

// Saves them, creating the file and its folder when missing; everything else in the file stays.
// Raises as IniFile::write does.
void saveThinningSettings(const ThinningSettings &settings);

} // namespace rnx10

// One settings value read or written through the thread's settings-file service.
#pragma once

#include <string>

namespace rnx10 {

// One value of an INI file.
std::string ReadINIValue(const std::string &path, const std::string &section, const std::string &key);

// One value into the log folder's bar.ini.
void WriteLogINIValue(const std::string &section, const std::string &key, const std::string &value);

} // namespace rnx10

// Small helpers several parts share: the computer name, sizes as text, one settings value.
#pragma once

#include <cstdint>
#include <string>

class QDateTime;

namespace rnx10 {

// This computer's name; the empty text when the query fails.
std::string GetMachineName();

// bytes / 1048576 as text: at most 15 significant digits, no trailing zeros, no grouping, the
// locale's decimal separator. Not rounded.
std::string BytesToMBText(double bytes);

// How every caller shows a size: BytesToMBText read back in the locale, rounded half to even.
std::string roundedMegabytes(std::uint64_t bytes);

// bytes in plain decimal digits followed by " Bytes".
std::string bytesText(std::uint64_t bytes);

// One value of an INI file through the settings-file service.
std::string ReadINIValue(const std::string &path, const std::string &section, const std::string &key);

// One value into the log folder's bar.ini through the settings-file service.
void WriteLogINIValue(const std::string &section, const std::string &key, const std::string &value);

// The current local date and time in the locale's general date form: the short date, a blank
// and the long time; at exactly midnight the date alone.
std::string generalDateText();
std::string generalDateText(const QDateTime &when);

} // namespace rnx10

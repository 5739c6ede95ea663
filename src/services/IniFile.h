// One value of an INI settings file: sections and keys matched without regard to case; a write
// changes that one entry and keeps every other byte, and replaces the file atomically.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace rnx10::IniFile {

// The value under section and key, or nothing when the file, section or key is missing or the
// file cannot be read. A file that is not a regular one (a FIFO or device) is never opened for
// long and one larger than kMostSettingsBytes is not parsed: both count as unreadable.
inline constexpr std::size_t kMostSettingsBytes = 1 << 20;
std::optional<std::string> read(const std::string &path, const std::string &section, const std::string &key);

// The values of keys under section in INI text already read, in the order of keys; nothing for a
// missing one.
std::vector<std::optional<std::string>> values(std::string_view text, const std::string &section,
                                               std::span<const char *const> keys);

// Stores the value, creating the file, section and key when missing and keeping everything else.
// The file's folder must exist (76 otherwise); a write that fails leaves the old file as it was.
// When path is a link, the file it leads to is written and the link kept.
void write(const std::string &path, const std::string &section, const std::string &key, const std::string &value);

} // namespace rnx10::IniFile

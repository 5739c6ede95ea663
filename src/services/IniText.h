// Replacing one value in the text of an INI file while keeping every other byte: unknown lines,
// comments, other sections, CRLF line ends and a byte-order mark stay as they were.
#pragma once

#include <string>

namespace rnx10::IniText {

// The text with section/key set to value: every "key=..." line of the section (names matched
// without regard to case) gets the new value; a missing key is added at the end of the section,
// a missing section at the end of the text, using the text's own line ends.
// Raises 5 when section, key or value could break the file's lines (line ends, NUL, "]" in the
// section, "=" in the key, an empty key).
std::string setValue(const std::string &text, const std::string &section, const std::string &key,
                     const std::string &value);

} // namespace rnx10::IniText

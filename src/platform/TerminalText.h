// Text from names and values made safe to print on a terminal or write into a log line.
#pragma once

#include <string>
#include <string_view>

namespace rnx10 {

// The text with every character that could steer a terminal or reorder or split a line written
// as an escape, everything else (valid UTF-8 included) as it is:
//   \n, \r, \t; any other C0 control and DEL as octal ("\033");
//   a C1 control (U+0080..U+009F) and a bidirectional control or line separator (U+061C,
//   U+200E, U+200F, U+202A..U+202E, U+2028, U+2029, U+2066..U+2069) as "\u202e";
//   a byte that is not part of valid UTF-8 as "\x9b".
std::string printableText(std::string_view text);

} // namespace rnx10

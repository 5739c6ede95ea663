#include "platform/TerminalText.h"

#include <cstdio>

namespace rnx10 {

namespace {

// The length of the valid UTF-8 sequence at text[at] and its code point; 0 when it is none.
std::size_t utf8Sequence(std::string_view text, std::size_t at, char32_t &codePoint)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 && lead <= 0xEF ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    codePoint = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (byte(at + i) & 0x3F);
    }
    const bool overlong = (length == 3 && codePoint < 0x800) || (length == 4 && codePoint < 0x10000);
    const bool invalid = codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF);
    return overlong || invalid ? 0 : length;
}

bool steersText(char32_t c)
{
    return (c >= 0x80 && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
           c == 0x2028 || c == 0x2029 || (c >= 0x2066 && c <= 0x2069);
}

std::string escaped(const char *format, unsigned value)
{
    char buf[12];
    std::snprintf(buf, sizeof buf, format, value);
    return buf;
}

std::string controlEscape(unsigned char c)
{
    switch (c) {
    case '\n': return "\\n";
    case '\r': return "\\r";
    case '\t': return "\\t";
    default: return escaped("\\%03o", c);
    }
}

} // namespace

std::string printableText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto c = static_cast<unsigned char>(text[at]);
        if (c < 0x20 || c == 0x7F) {
            out += controlEscape(c);
            ++at;
            continue;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
            ++at;
            continue;
        }
        char32_t codePoint = 0;
        const std::size_t length = utf8Sequence(text, at, codePoint);
        if (length == 0)
            out += escaped("\\x%02x", c);
        else if (steersText(codePoint))
            out += escaped("\\u%04x", static_cast<unsigned>(codePoint));
        else
            out.append(text.substr(at, length));
        at += length == 0 ? 1 : length;
    }
    return out;
}

} // namespace rnx10

#include "services/IniText.h"

#include "automation/AutomationError.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

namespace rnx10::IniText {

namespace {
constexpr std::string_view kBom = "\xEF\xBB\xBF";

struct Line {
    std::string body;   // without the line end
    std::string ending; // "\n", "\r\n" or "" for a last line without one
};

std::vector<Line> splitLines(std::string_view text)
{
    std::vector<Line> lines;
    while (!text.empty()) {
        auto nl = text.find('\n');
        std::string_view body = text.substr(0, nl);
        std::string ending = nl == std::string_view::npos ? "" : "\n";
        if (!ending.empty() && !body.empty() && body.back() == '\r') {
            body.remove_suffix(1);
            ending = "\r\n";
        }
        lines.push_back({std::string(body), ending});
        text = nl == std::string_view::npos ? std::string_view{} : text.substr(nl + 1);
    }
    return lines;
}

std::string_view trim(std::string_view s)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

bool sameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::optional<std::string_view> sectionName(std::string_view body)
{
    body = trim(body);
    if (body.empty() || body.front() != '[')
        return std::nullopt;
    auto close = body.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return trim(body.substr(1, close - 1));
}

// Where the value of a "key=value" line starts, when the line is that key's.
std::optional<std::size_t> valueStart(std::string_view body, std::string_view key)
{
    std::string_view t = trim(body);
    if (t.empty() || t.front() == ';' || t.front() == '#')
        return std::nullopt;
    auto eq = body.find('=');
    if (eq == std::string_view::npos || !sameName(trim(body.substr(0, eq)), key))
        return std::nullopt;
    std::size_t start = eq + 1;
    while (start < body.size() && (body[start] == ' ' || body[start] == '\t'))
        ++start;
    return start;
}

void checkText(const std::string &s, const char *what, std::string_view forbidden)
{
    if (s.find_first_of(std::string("\r\n\0", 3).append(forbidden)) != std::string::npos)
        throw err::invalidCall(std::string("the INI ") + what + " holds a character it cannot hold");
}
} // namespace

std::string setValue(const std::string &text, const std::string &rawSection, const std::string &rawKey,
                     const std::string &rawValue)
{
    // Names and value as a reader sees them: blanks around them never come back from a read.
    checkText(rawSection, "section", "]");
    checkText(rawKey, "key", "=");
    checkText(rawValue, "value", "");
    const std::string section(trim(rawSection)), key(trim(rawKey)), value(trim(rawValue));
    if (key.empty())
        throw err::invalidCall("the INI key is empty");
    // Such a line reads back as a comment or a section header, never as the key.
    if (std::string_view("[;#").find(key.front()) != std::string_view::npos)
        throw err::invalidCall("the INI key starts with \"[\", \";\" or \"#\"");

    const bool bom = std::string_view(text).substr(0, kBom.size()) == kBom;
    std::vector<Line> lines = splitLines(std::string_view(text).substr(bom ? kBom.size() : 0));
    const std::string newline = std::any_of(lines.begin(), lines.end(), [](const Line &l) { return l.ending == "\r\n"; })
                                    ? "\r\n" : "\n";

    bool inSection = false, replaced = false;
    std::optional<std::size_t> sectionEnd; // index after the last non-blank line of the section
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (auto name = sectionName(lines[i].body)) {
            inSection = sameName(*name, section);
            if (inSection)
                sectionEnd = i + 1;
            continue;
        }
        if (!inSection)
            continue;
        if (!trim(lines[i].body).empty())
            sectionEnd = i + 1;
        if (auto start = valueStart(lines[i].body, key)) {
            lines[i].body = lines[i].body.substr(0, *start) + value;
            replaced = true;
        }
    }

    const Line entry{key + "=" + value, newline};
    if (!replaced && sectionEnd) {
        if (lines[*sectionEnd - 1].ending.empty())
            lines[*sectionEnd - 1].ending = newline;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*sectionEnd), entry);
    } else if (!replaced) {
        if (!lines.empty() && lines.back().ending.empty())
            lines.back().ending = newline;
        if (!lines.empty() && !trim(lines.back().body).empty())
            lines.push_back({"", newline});
        lines.push_back({"[" + section + "]", newline});
        lines.push_back(entry);
    }

    std::string out = bom ? std::string(kBom) : std::string();
    for (const Line &line : lines)
        out += line.body + line.ending;
    return out;
}

} // namespace rnx10::IniText

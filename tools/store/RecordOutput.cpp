#include "RecordOutput.h"

#include "platform/TerminalText.h"

namespace rnx10::store {

namespace {

// The length of the valid UTF-8 sequence at text[i], or 0 when the byte there starts none.
std::size_t utf8Length(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char b = byte(i);
    std::size_t n = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
    if (n == 0 || i + n > text.size())
        return 0;
    for (std::size_t k = 1; k < n; ++k)
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
    const unsigned c1 = n > 1 ? byte(i + 1) : 0;
    // Overlong forms, surrogates and code points past U+10FFFF are not UTF-8.
    if ((n == 2 && b < 0xC2) || (n == 3 && b == 0xE0 && c1 < 0xA0) || (n == 3 && b == 0xED && c1 >= 0xA0) ||
        (n == 4 && b == 0xF0 && c1 < 0x90) || (n == 4 && (b > 0xF4 || (b == 0xF4 && c1 >= 0x90))))
        return 0;
    return n;
}

void appendEscape(std::string &out, unsigned code)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\u%04x", code);
    out += buffer;
}

} // namespace

std::string jsonString(std::string_view text)
{
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char b = static_cast<unsigned char>(text[i]);
        const std::size_t n = utf8Length(text, i);
        if (n == 0) {
            appendEscape(out, 0xDC00 + b);
            ++i;
            continue;
        }
        if (b == '"' || b == '\\') {
            out += '\\';
            out += static_cast<char>(b);
        } else if (b == '\n') {
            out += "\\n";
        } else if (b == '\t') {
            out += "\\t";
        } else if (b == '\r') {
            out += "\\r";
        } else if (b < 0x20 || b == 0x7F) {
            appendEscape(out, b);
        } else {
            out.append(text.substr(i, n));
        }
        i += n;
    }
    return out + "\"";
}

RecordOutput::RecordOutput(std::FILE *out, bool json, bool terminal) : m_out(out), m_json(json), m_terminal(terminal)
{
}

RecordOutput::~RecordOutput() { finish(); }

void RecordOutput::item(std::string_view line, std::initializer_list<Field> fields)
{
    if (!m_json) {
        const std::string shown = m_terminal && !m_nulEnded ? printableText(line) : std::string(line);
        std::fwrite(shown.data(), 1, shown.size(), m_out);
        std::fputc(m_nulEnded ? '\0' : '\n', m_out);
        return;
    }
    std::string object = m_opened ? ",\n{" : "[\n{";
    m_opened = true;
    bool first = true;
    for (const Field &f : fields) {
        object += first ? "" : ",";
        first = false;
        object += jsonString(f.name) + ":";
        if (const auto *text = std::get_if<std::string>(&f.value))
            object += jsonString(*text);
        else if (const auto *truth = std::get_if<bool>(&f.value))
            object += *truth ? "true" : "false";
        else
            object += std::to_string(std::get<std::int64_t>(f.value));
    }
    object += "}";
    std::fwrite(object.data(), 1, object.size(), m_out);
}

void RecordOutput::warning(const std::string &path, const std::string &description)
{
    m_warned = true;
    std::fflush(m_out);
    std::fprintf(stderr, "rnx10-store: warning: %s: %s\n", printableText(path).c_str(), printableText(description).c_str());
}

void RecordOutput::finish()
{
    if (!m_json || m_finished)
        return;
    m_finished = true;
    std::fputs(m_opened ? "\n]\n" : "[]\n", m_out);
    std::fflush(m_out);
}

} // namespace rnx10::store

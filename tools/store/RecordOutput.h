// The command line's output: one item a line, or the same items as one JSON array.
#pragma once

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace rnx10::store {

// One member of an item's JSON object: text, a whole number or a truth value.
struct Field {
    const char *name;
    std::variant<std::string, std::int64_t, bool> value;
};

class RecordOutput {
public:
    // json: items as JSON objects; otherwise lines. A terminal gets the lines' control characters
    // escaped; a pipe or file gets the raw bytes, so a script reads back the exact names.
    RecordOutput(std::FILE *out, bool json, bool terminal);
    ~RecordOutput();
    RecordOutput(const RecordOutput &) = delete;
    RecordOutput &operator=(const RecordOutput &) = delete;

    // One item: line is what the text form prints (without the newline), fields what JSON holds.
    void item(std::string_view line, std::initializer_list<Field> fields);
    // Closes the JSON array (an empty one when there were no items); the text form needs nothing.
    void finish();
    bool json() const { return m_json; }

    // The text form's items end in a NUL instead of a line break and keep their raw bytes even on a
    // terminal ("find -print0"), for names that hold a line break.
    void endItemsWithNul() { m_nulEnded = true; }

    // Something the command passed over: "rnx10-store: warning: PATH: DESCRIPTION" on standard
    // error, escaped, after what standard output holds so far. The command still exits 1.
    void warning(const std::string &path, const std::string &description);
    bool warned() const { return m_warned; }

private:
    std::FILE *m_out;
    bool m_json;
    bool m_terminal;
    bool m_opened = false;
    bool m_finished = false;
    bool m_nulEnded = false;
    bool m_warned = false;
};

// text as a JSON string, quotes included. Bytes that are not UTF-8 become U+DC80 + byte (the
// "surrogate escape" many languages decode back to the original bytes), so no name is lost.
std::string jsonString(std::string_view text);

} // namespace rnx10::store

// A sub-command's arguments: its positional words and its "--name value" options.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace rnx10::store {

// Wrong usage: the message goes to standard error with the usage, and the exit status is 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

class CommandArguments {
public:
    // words: what follows the sub-command's name. valueOptions take the next word as their value
    // ("--from 2026-01-01" or "--from=2026-01-01"); flagOptions take none ("-0" is one too). "--"
    // ends the options.
    // Anything else starting with "--" is a UsageError.
    CommandArguments(const std::vector<std::string> &words, const std::set<std::string> &valueOptions,
                     const std::set<std::string> &flagOptions);

    const std::vector<std::string> &positional() const { return m_positional; }
    // Raises UsageError unless there are exactly count positional words; names (in the user's
    // language) says what is expected.
    void expectPositional(std::size_t count, const std::string &names) const;
    std::optional<std::string> value(const std::string &option) const;
    bool flag(const std::string &option) const { return m_flags.count(option) != 0; }

private:
    std::vector<std::string> m_positional;
    std::map<std::string, std::string> m_values;
    std::set<std::string> m_flags;
};

} // namespace rnx10::store

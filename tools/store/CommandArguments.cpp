#include "CommandArguments.h"

#include "platform/Translation.h"

namespace rnx10::store {

CommandArguments::CommandArguments(const std::vector<std::string> &words, const std::set<std::string> &valueOptions,
                                   const std::set<std::string> &flagOptions)
{
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string &word = words[i];
        if (!optionsEnded && flagOptions.count(word)) { // a short flag such as find's -0 as well
            m_flags.insert(word);
            continue;
        }
        if (optionsEnded || word.rfind("--", 0) != 0) {
            m_positional.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        if (valueOptions.count(name)) {
            if (equals != std::string::npos)
                m_values[name] = word.substr(equals + 1);
            else if (i + 1 < words.size())
                m_values[name] = words[++i];
            else
                throw UsageError(fillIn(tx("rnx10-store", "%1 needs a value"), {name}));
        } else if (flagOptions.count(name) && equals == std::string::npos) {
            m_flags.insert(name);
        } else {
            throw UsageError(fillIn(tx("rnx10-store", "unknown option %1"), {word}));
        }
    }
}

void CommandArguments::expectPositional(std::size_t count, const std::string &names) const
{
    if (m_positional.size() != count)
        throw UsageError(fillIn(tx("rnx10-store", "expected %1"), {names}));
}

std::optional<std::string> CommandArguments::value(const std::string &option) const
{
    const auto it = m_values.find(option);
    if (it == m_values.end())
        return std::nullopt;
    return it->second;
}

} // namespace rnx10::store

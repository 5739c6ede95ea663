// The user's language for the processes a test starts: LANG set, the variables that would take
// precedence over it (LANGUAGE, LC_ALL, LC_MESSAGES) unset; all four restored afterwards.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace rnx10::test {

class ScopedLanguage {
public:
    explicit ScopedLanguage(const char *locale)
    {
        for (const char *name : {"LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES"}) {
            const char *value = std::getenv(name);
            m_saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
            ::unsetenv(name);
        }
        ::setenv("LANG", locale, 1);
    }
    ~ScopedLanguage()
    {
        for (const auto &[name, value] : m_saved)
            value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
    }
    ScopedLanguage(const ScopedLanguage &) = delete;
    ScopedLanguage &operator=(const ScopedLanguage &) = delete;

private:
    std::vector<std::pair<const char *, std::optional<std::string>>> m_saved;
};

} // namespace rnx10::test

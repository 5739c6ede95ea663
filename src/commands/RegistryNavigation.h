// The registry navigator's destination table and its click rule, without the window.
#pragma once

#include <optional>
#include <string>

namespace rnx10 {

inline constexpr const char *kLumoraEntry = "Zorvane Lumora";
inline constexpr const char *kLumoraKey = "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\Zorvane\\Lumora";

// The key for the combo box's text: the Lumora key for its entry (exact, case-sensitive) and for
// the empty text (nothing chosen); nothing for any other text.
std::optional<std::string> registryKeyForChoice(const std::string &text);

// Hands the key for text to the registry service (RegEditSetLastKey(key, true)); any other text
// does nothing. Raises what the service raises.
void navigateToRegistryKey(const std::string &text);

} // namespace rnx10

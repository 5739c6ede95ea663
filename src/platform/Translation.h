// The user's language: the component's translation, chosen from the locale as Qt reads it
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), and English, the source text, when there is none.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

class QCoreApplication;

namespace rnx10 {

class AutomationError;

// A text in the user's language as UTF-8, for the texts that travel as std::string (prompts,
// errors, command-line output). Works with no Qt application at all. With n >= 0 the plural form
// for n is chosen and %n is replaced by n. Written as QCoreApplication::translate is, so the
// translation tools find the texts: context first, then the English text.
std::string tx(const char *context, const char *text, const char *disambiguation = nullptr, int n = -1);

// Puts values in for %1 to %9, in one pass: a value that itself holds "%2" stays as it is. For
// tx() texts, whose translations may put the values in another order.
std::string fillIn(std::string_view text, std::initializer_list<std::string_view> values);

// An error's description for a person to read: its standard text ("Path not found") in the
// user's language, the detail after it as it is. The description itself stays English: callers
// of the component compare it.
std::string shownDescription(const AutomationError &error);

// Installs the component's translation (and Qt's own, for its standard buttons and dialogs) in
// the application, once, and mirrors its layout when the language is written right to left.
void installTranslations(QCoreApplication &app);

} // namespace rnx10

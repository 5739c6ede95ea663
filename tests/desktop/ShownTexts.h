// Every text a window shows a person, in the order its controls were made, and a way to collect
// them in another language: the language is chosen once per process from the environment, so
// each language is shown in a fresh child process of the test.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

class QWidget;

namespace rnx10::test {

struct ShownText {
    std::string window; // the top-level window's object name
    std::string group;  // "window", or "menu NAME": where an accelerator must be unique
    std::string text;
    bool operator==(const ShownText &) const = default;
};

// Title, labels, buttons, group titles, placeholders, column headers, tool tips, accessible
// names and menu entries of window and everything in it.
std::vector<ShownText> shownTexts(QWidget *window);

// The texts collect returns, collected in a child process started afresh with LANG set to locale
// (LANGUAGE, LC_ALL and LC_MESSAGES unset).
std::vector<ShownText> shownTextsIn(const char *locale, const std::function<std::vector<ShownText>()> &collect);

// The groups ("window frmX", "menu mnuX frmX") where an accelerator letter is used more than
// once, each with the captions that share it.
std::map<std::string, std::string> repeatedAccelerators(const std::vector<ShownText> &texts);

} // namespace rnx10::test

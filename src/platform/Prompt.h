// Asking the user and telling the user: the one way the component shows message boxes.
#pragma once

#include <string>

namespace rnx10 {

// Title of a message box that has none of its own.
inline constexpr const char *kDefaultTitle = "rnx10";

enum class Icon { None, Question, Information, Warning, Critical };
enum class Answer { Yes, No };

class Prompt {
public:
    virtual ~Prompt() = default;
    // A Yes/No question with the question icon; systemModal keeps it above every window. details,
    // when given, is the box's detailed text, shown on request below the question. byDefault is
    // the answer Enter gives.
    virtual Answer ask(const std::string &text, const std::string &title, bool systemModal = false,
                       const std::string &details = {}, Answer byDefault = Answer::Yes) = 0;
    // An OK box.
    virtual void tell(const std::string &text, const std::string &title, Icon icon) = 0;
    // The desktop's folder chooser, opened at start; the folder chosen, or "" when cancelled.
    virtual std::string chooseFolder(const std::string &title, const std::string &start) = 0;
};

} // namespace rnx10

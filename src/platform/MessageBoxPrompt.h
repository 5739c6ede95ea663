// Prompt shown with QMessageBox.
#pragma once

#include "platform/Prompt.h"

namespace rnx10 {

class MessageBoxPrompt : public Prompt {
public:
    Answer ask(const std::string &text, const std::string &title, bool systemModal, const std::string &details,
               Answer byDefault) override;
    void tell(const std::string &text, const std::string &title, Icon icon) override;
    std::string chooseFolder(const std::string &title, const std::string &start) override;
};

} // namespace rnx10

// Prompt shown with QMessageBox.
#pragma once

#include "platform/Prompt.h"

namespace rnx10 {

class MessageBoxPrompt : public Prompt {
public:
    Answer ask(const std::string &text, const std::string &title, bool systemModal) override;
    void tell(const std::string &text, const std::string &title, Icon icon) override;
};

} // namespace rnx10

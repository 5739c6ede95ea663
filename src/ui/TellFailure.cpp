#include "ui/TellFailure.h"

#include "automation/AutomationError.h"
#include "platform/Platform.h"
#include "platform/TerminalText.h"
#include "platform/Translation.h"
#include "platform/walk/WalkProgress.h"

#include <iostream>

namespace rnx10 {

namespace {
// The box, or standard error when even the box fails (a prompt that cannot show, memory gone).
void tellText(const std::string &text) noexcept
{
    try {
        platform().prompt->tell(text, kDefaultTitle, Icon::Critical);
    } catch (...) {
        try {
            std::cerr << "rnx10: " << printableText(text) << '\n';
        } catch (...) {
        }
    }
}
} // namespace

void tellFailure(const AutomationError &error) noexcept
{
    if (error.number() == walk::UserInterrupt)
        return;
    std::string shown;
    try {
        shown = shownDescription(error);
    } catch (...) {
        return tellText(error.description()); // no memory left to translate it: as it is
    }
    tellText(shown);
}

void tellFailure(const std::exception &error) noexcept
{
    if (const auto *automation = dynamic_cast<const AutomationError *>(&error))
        return tellFailure(*automation);
    tellText(error.what());
}

void tellUnexpectedFailure() noexcept
{
    std::string text;
    try {
        text = tx("TellFailure", "unexpected failure");
    } catch (...) {
        return tellText("unexpected failure");
    }
    tellText(text);
}

} // namespace rnx10

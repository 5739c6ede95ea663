#include "ui/TellFailure.h"

#include "automation/AutomationError.h"
#include "platform/Platform.h"
#include "platform/TerminalText.h"
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
    if (error.number() != walk::UserInterrupt)
        tellText(error.description());
}

void tellFailure(const std::exception &error) noexcept
{
    if (const auto *automation = dynamic_cast<const AutomationError *>(&error))
        return tellFailure(*automation);
    tellText(error.what());
}

} // namespace rnx10

#include "NowOption.h"

#include "services/MinuteText.h"

namespace rnx10::store {

std::time_t nowOption(const CommandArguments &arguments)
{
    const std::optional<std::string> text = arguments.value("--now");
    if (!text)
        return std::time(nullptr);
    const std::optional<std::time_t> now = parseMinuteText(*text);
    if (!now)
        throw UsageError("--now \"" + *text + "\" is not a time 'YYYY-MM-DD HH:MM'");
    return *now;
}

} // namespace rnx10::store

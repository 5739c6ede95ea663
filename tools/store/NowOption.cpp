#include "NowOption.h"

#include "platform/Translation.h"
#include "services/MinuteText.h"

namespace rnx10::store {

std::time_t nowOption(const CommandArguments &arguments)
{
    const std::optional<std::string> text = arguments.value("--now");
    if (!text)
        return std::time(nullptr);
    const std::optional<std::time_t> now = parseMinuteText(*text);
    if (!now)
        throw UsageError(fillIn(tx("rnx10-store", "--now \"%1\" is not a time 'YYYY-MM-DD HH:MM'"), {*text}));
    return *now;
}

} // namespace rnx10::store

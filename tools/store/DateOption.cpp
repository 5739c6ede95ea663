#include "DateOption.h"

#include "platform/Translation.h"

namespace rnx10::store {

namespace {
std::optional<ArchiveDate> dateOption(const CommandArguments &arguments, const std::string &option)
{
    const std::optional<std::string> text = arguments.value(option);
    if (!text)
        return std::nullopt;
    const std::optional<ArchiveDate> date = parseDate(*text);
    if (!date)
        throw UsageError(fillIn(tx("rnx10-store", "%1 takes a day as YYYY-MM-DD, not \"%2\""), {option, *text}));
    return date;
}
} // namespace

DateRange dateRangeOf(const CommandArguments &arguments)
{
    DateRange range{dateOption(arguments, "--from"), dateOption(arguments, "--to")};
    if (range.from && range.to && *range.from > *range.to)
        throw UsageError(tx("rnx10-store", "--from is after --to"));
    return range;
}

} // namespace rnx10::store

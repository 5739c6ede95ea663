#include "ThinCommand.h"

#include "NowOption.h"

#include "store/StoreLocation.h"
#include "store/StoreThinning.h"
#include "platform/Translation.h"
#include "platform/walk/WalkProgress.h"
#include "services/ServiceSet.h"

#include <charconv>

namespace rnx10::store {

namespace {

int numberOption(const CommandArguments &arguments, const std::string &option)
{
    const std::optional<std::string> text = arguments.value("--" + option);
    if (!text)
        throw UsageError(fillIn(tx("rnx10-store", "%1 is required"), {"--" + option}));
    int value = -1;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
    if (error != std::errc() || end != text->data() + text->size() || value < 0)
        throw UsageError(
            fillIn(tx("rnx10-store", "%1 takes a whole number of 0 or more, not \"%2\""), {"--" + option, *text}));
    return value;
}

void item(RecordOutput &out, const std::string &path)
{
    out.item(path, {{"path", path}});
}

} // namespace

void runThin(const CommandArguments &arguments, RecordOutput &out)
{
    arguments.expectPositional(0, tx("rnx10-store", "no arguments"));
    const ThinningRule rule{numberOption(arguments, "within"), numberOption(arguments, "daily"),
                            numberOption(arguments, "weekly"), numberOption(arguments, "monthly"),
                            numberOption(arguments, "yearly")};
    const ThinningPlan plan = planThinning(computerFolderPath(), rule, QDateTime::fromSecsSinceEpoch(nowOption(arguments)));
    if (arguments.flag("--dry-run")) {
        for (const std::vector<StoreRun> *listed : {&plan.toDelete, &plan.emptyHours})
            for (const StoreRun &run : *listed)
                item(out, run.path);
        return;
    }
    walk::WalkProgress progress;
    thinStore(services().fileSystem(), plan, progress, [&](const std::string &path) { item(out, path); });
}

} // namespace rnx10::store

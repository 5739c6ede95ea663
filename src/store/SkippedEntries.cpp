#include "store/SkippedEntries.h"

#include "store/ShownValue.h"
#include "platform/Translation.h"

namespace rnx10 {

namespace {
constexpr std::size_t kMostNamed = 10; // a message box, not a listing
}

std::string skippedText(const std::vector<std::string> &skipped)
{
    if (skipped.empty())
        return {};
    std::string paths;
    for (std::size_t i = 0; i < skipped.size() && i < kMostNamed; ++i)
        paths += (i ? "\n" : "") + shownValue(skipped[i]);
    if (skipped.size() > kMostNamed)
        paths += "\n…";
    return fillIn(tx("RecoverJobs", "Not restored (sockets and devices are never copied):\n%1"), {paths});
}

} // namespace rnx10

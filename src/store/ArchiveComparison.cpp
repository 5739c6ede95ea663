#include "store/ArchiveComparison.h"

#include "automation/AutomationError.h"
#include "store/ReplacedFolderFate.h"
#include "store/ShownValue.h"
#include "platform/Paths.h"
#include "platform/Translation.h"

namespace rnx10 {

std::string comparedSource(const std::string &sourceDir)
{
    if (sourceDir == "REGKEYS")
        throw err::invalidCall("this archive holds registry keys, not a folder, and has nothing to compare");
    if (sourceDir.empty() || sourceDir.front() != '/')
        throw err::invalidCall("the source " + sourceDir + " is not a full path");
    return followLink(withoutTrailingSlashes(sourceDir));
}

walk::ChangeCounts compareWithCurrent(const std::string &copy, const std::string &sourceDir,
                                      const std::function<void(const walk::TreeChange &)> &report,
                                      walk::WalkProgress *progress, const walk::CompareOptions &options)
{
    return walk::compareTrees(copy, comparedSource(sourceDir), report, progress, options);
}

// The restore question's details, in the context of the jobs that ask it.
std::string countsText(const walk::ChangeCounts &counts)
{
    return fillIn(tx("RecoverJobs",
                     "%1 only in the current folder (a restore removes them)\n"
                     "%2 only in the archive (a restore brings them back)\n"
                     "%3 in both but different (a restore puts the archive's back)"),
                  {std::to_string(counts.onlyCurrent), std::to_string(counts.onlyArchive), std::to_string(counts.differs)}) +
           "\n" + tx("RecoverJobs", "Files were compared by size and modification time, not by their contents.");
}

std::string restoreDetailsText(const std::string &sourceDir, const std::string &countsOrFailure)
{
    return fillIn(tx("RecoverJobs", "What the restore changes in %1:\n%2\n\n%3"),
                  {shownValue(sourceDir), countsOrFailure, expectedFateText(expectedFate(sourceDir))});
}

} // namespace rnx10

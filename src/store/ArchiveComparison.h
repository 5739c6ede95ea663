// What restoring an archive would change in its source folder.
#pragma once

#include "platform/walk/TreeCompare.h"

#include <functional>
#include <string>

namespace rnx10 {

// The folder a restore to sourceDir replaces: a link there followed as the restore follows it.
// Raises 5 for "REGKEYS" or a sourceDir that is not a full path.
std::string comparedSource(const std::string &sourceDir);

// Reports every difference between an archive's copy and its source folder, in name order, as
// walk::compareTrees does; a missing source folder gives every entry as only in the archive.
walk::ChangeCounts compareWithCurrent(const std::string &copy, const std::string &sourceDir,
                                      const std::function<void(const walk::TreeChange &)> &report,
                                      walk::WalkProgress *progress = nullptr, const walk::CompareOptions &options = {});

// The three counts, one a line, each saying what a restore does with them, and how files were
// compared.
std::string countsText(const walk::ChangeCounts &counts);

// The restore question's detailed text: what the restore changes in sourceDir (the counts, or why
// they could not be had) and what becomes of the current folder (expectedFate).
std::string restoreDetailsText(const std::string &sourceDir, const std::string &countsOrFailure);

} // namespace rnx10

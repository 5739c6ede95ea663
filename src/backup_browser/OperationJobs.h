// The browser's long operations run as window jobs: on a worker thread, with a progress dialog
// once they outlast half a second. Each raises what its core function raises; a stopped one
// raises error 18 (walk::UserInterrupt).
#pragma once

#include "store/ReplacedFolderFate.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace rnx10 {

struct HeldStoreFolder;

// Deletes a store folder held open since its check; no Cancel, a half-done deletion helps no one.
// With measure the folder's size is taken first, in the same job, and returned (none when it could
// not be measured), so a size known of the store can be kept without walking the whole store again.
std::optional<std::uint64_t> deleteWithProgress(QWidget *window, const HeldStoreFolder &held, bool measure = false);

// Restores copyDir into sourceDir. Cancel is offered while the copy goes into the folder beside the
// source and leaves the source as it was; the swap and the old content's removal are not stopped.
// Returns what became of the replaced folder and what of the archive was passed over.
struct RestoreDone {
    ReplacedFolder replaced;
    std::vector<std::string> skipped;
};
RestoreDone restoreWithProgress(QWidget *window, const std::string &copyDir, const std::string &sourceDir,
                                const std::string &storeRoot);

// Writes the store report; Cancel stops it, the file closed with the lines written so far.
void reportWithProgress(QWidget *window, const std::string &root, const std::string &reportPath);

} // namespace rnx10

// Spreads a walk over the processor's cores: the top levels are read breadth-first until there
// are enough sub-trees to keep every core busy, then worker threads walk those sub-trees.
// For walks whose result does not depend on order (sizes).
#pragma once

#include "platform/DirListing.h"
#include "platform/WalkProgress.h"

#include <atomic>
#include <string>

namespace rnx10::walk {

class SubtreeJob {
public:
    virtual ~SubtreeJob() = default;
    // A non-folder entry of a top-level folder that the split reads itself (calling thread).
    virtual void file(int dir, const std::string &folder, const char *name, EntryType type) = 0;
    // Walks one whole sub-tree, root included; called from several threads at once. It must stop
    // with walk::interrupted() soon after *stop becomes true, and hold at most budget folders open.
    virtual void subtree(Descriptor root, const std::string &path, WalkProgress *progress,
                         const std::atomic<bool> *stop, int budget) = 0;
};

// Runs job over the tree at path; the first error of any thread is raised once all have ended.
void runSplit(const std::string &path, SubtreeJob &job, WalkProgress *progress);

} // namespace rnx10::walk

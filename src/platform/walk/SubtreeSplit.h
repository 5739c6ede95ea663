// Spreads a walk over the processor's cores: the top levels are read breadth-first until there
// are enough sub-trees to keep every core busy, then worker threads walk those sub-trees.
// For walks whose result does not depend on order (sizes, deletion).
#pragma once

#include "platform/walk/DirListing.h"
#include "platform/walk/WalkProgress.h"

#include <atomic>
#include <string>

namespace rnx10::walk {

class SubtreeJob {
public:
    virtual ~SubtreeJob() = default;
    // A non-folder entry of a top-level folder that the split reads itself (calling thread).
    virtual void file(int dir, const std::string &folder, const char *name, EntryType type) = 0;
    // Walks everything below root (not root itself); called from several threads at once. It must stop
    // with walk::interrupted() soon after *stop becomes true, and hold at most budget folders open.
    virtual void subtree(Descriptor root, const std::string &path, WalkProgress *progress,
                         const std::atomic<bool> *stop, int budget) = 0;
    // Before the split hands out the entries of folder rel (below the walk's root), open as dir.
    virtual void folderStart(int /*dir*/, const std::string & /*rel*/) {}
    // Whether sub-folder name of dir is walked at all.
    virtual bool wanted(int /*dir*/, const char * /*name*/) { return true; }
    // Opens sub-folder name of parent for the split's own reading.
    virtual Descriptor openFolder(int parent, const char *name, const std::string &path)
    {
        return openFolderAt(parent, name, path);
    }
    // Once every sub-tree has been walked: each folder the split read or handed out (rel, below
    // the walk's root), children before their parents. The root itself is left to the caller.
    virtual void folderDone(int /*root*/, const std::string & /*rel*/) {}
};

// Runs job over the tree at path; the first error of any thread is raised once all have ended.
void runSplit(const std::string &path, SubtreeJob &job, WalkProgress *progress);

} // namespace rnx10::walk

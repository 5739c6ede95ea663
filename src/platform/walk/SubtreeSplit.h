// Spreads a walk over the processor's cores: the top levels are read breadth-first until there
// are enough sub-trees to keep every core busy, then worker threads walk those sub-trees
// depth-first. The visitor gets the calls of a depth-first walk, but the top levels' come level by
// level: for walks whose result does not depend on that order (sizes, copy, deletion).
#pragma once

#include "platform/walk/TreeWalker.h"

#include <memory>
#include <string>

namespace rnx10::walk {

class SplitVisitor : public TreeVisitor {
public:
    // Another visitor of the same walk, for one worker thread's sub-trees; made on the calling thread.
    virtual std::unique_ptr<SplitVisitor> fork() const = 0;
    // Takes in what a fork gathered, on the calling thread once every worker has ended.
    virtual void merge(SplitVisitor &) {}
};

// A folder a split holds open, with its twin in a two-tree walk.
struct OpenFolder {
    Descriptor fd, twin;
    std::string path;

    Folder folder() const { return {fd.get(), twin.get(), path}; }
};

// Opens folder rel (names joined by "/") below root one name at a time through visitor.open and
// openTwin, as a walk would. Raises on failure.
OpenFolder openBelow(TreeVisitor &visitor, const OpenFolder &root, const std::string &rel);

// The processor's cores, 1 to 8: the threads a walk that computes spreads over.
unsigned coreCount();

// Runs visitor over the tree at path (path itself is not entered or left); twin is the root's
// twin for two-tree walks, taken over. The first error of any thread is raised once all have ended.
// Walks that mostly wait rather than compute ask for more than one worker per core (at most 8 in
// all); the descriptors held stay within one walk's budget whatever the count.
void runSplit(const std::string &path, SplitVisitor &visitor, WalkProgress *progress, Descriptor twin = Descriptor(),
              unsigned workersPerCore = 1);

// The same over the folder already open as root, never reopened by its path.
void runSplitAt(Descriptor root, const std::string &path, SplitVisitor &visitor, WalkProgress *progress,
                unsigned workersPerCore = 1);

} // namespace rnx10::walk

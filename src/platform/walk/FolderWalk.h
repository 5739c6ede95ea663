// The tree walks under the file-system object, on folder descriptors.
// Every walk holds a bounded number of descriptors whatever the depth (paths may exceed PATH_MAX),
// keeps memory independent of the number of files, never follows links, and raises
// AutomationError on failure. With a progress object it counts what it has done and stops at the
// next folder once progress->cancel is set, raising error 18 (walk::interrupted()); without one
// it uses the thread's current progress (walk::threadProgress(), set by ProgressRunner).
// Size, copy and delete spread over the processor's cores when the tree is wide enough; the
// folder walk reads ahead on the other cores but hands out every folder on the calling thread, in
// name order.
#pragma once

#include "platform/walk/WalkProgress.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace rnx10::walk {

struct Entry {
    std::string name;
    bool isFolder = false; // a real folder, never a link to one
};

// Entries of one folder in name order (platform/NameOrder.h), without "." and "..". Raises on failure.
std::vector<Entry> list(const std::string &path);

// Logical bytes of all regular files below path; links, pipes and devices count as nothing.
std::uint64_t treeSize(const std::string &path, WalkProgress *progress = nullptr);

// Removes path and everything below it; links go as links. With force, read-only folders are made
// writable first. Refuses protected folders (70) itself, whoever calls it, and never enters another
// file system mounted inside the tree (70).
void removeTree(const std::string &path, bool force, WalkProgress *progress = nullptr);

// Copies everything inside source into destination (created when missing), as cp -a does: files,
// links (as links) and folders, destination itself included, with their modes, times and, where
// the process may give them, owners; named pipes as named pipes. Sockets and devices are skipped,
// each noted in the progress object (WalkProgress::noteSkipped) when there is one.
void copyTree(const std::string &source, const std::string &destination, bool overwrite,
              WalkProgress *progress = nullptr);

// Every folder below root (not root itself), parents before children, the sub-folders of each
// folder in name order (platform/NameOrder.h).
// The visitor returns false to stop the walk.
void forEachFolder(const std::string &root, const std::function<bool(const std::string &)> &visit,
                   WalkProgress *progress = nullptr);

// The bytes of paths forEachFolder holds read ahead, not yet handed out, at most at one time; and
// the most any walk held since peak was last set. A helper that would go past the budget gives its
// sub-tree back to the calling thread, which walks it itself when it comes to it.
struct ReadAheadBudget {
    std::atomic<std::size_t> bytes{std::size_t{8} << 20};
    std::atomic<std::size_t> peak{0};
};
ReadAheadBudget &readAheadBudget();

} // namespace rnx10::walk

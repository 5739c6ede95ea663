// Walks on a system that refuses every helper thread: the calling thread does all the work, and
// the results are those of a walk with helpers.
#include "WalkFixtures.h"

#include "platform/walk/FolderWalk.h"
#include "support/RefusedThreads.h"
#include "support/TestSupport.h"

#include <thread>

using namespace rnx10;
using namespace rnx10::test;

TEST(RefusedThreads, EveryWalkFinishesOnTheCallingThreadAlone)
{
    ScratchDir scratch;
    const std::string tree = scratch / "tree";
    makeFolders(tree);
    makeWideTree(tree);
    const std::uint64_t bytes = walk::treeSize(tree);
    std::vector<std::string> folders;
    walk::forEachFolder(tree, [&](const std::string &path) { folders.push_back(path); return true; });

    bool refused = false;
    std::string failure;
    std::uint64_t bytesAlone = 0;
    std::vector<std::string> foldersAlone;
    std::thread alone([&] {
        refused = refuseNewThreadsFromThisThread();
        if (!refused)
            return;
        try {
            bytesAlone = walk::treeSize(tree);
            walk::forEachFolder(tree, [&](const std::string &path) { foldersAlone.push_back(path); return true; });
            walk::copyTree(tree, scratch / "copy", false);
            walk::removeTree(scratch / "copy", true);
        } catch (const std::exception &e) {
            failure = e.what();
        }
    });
    alone.join();
    if (!refused)
        GTEST_SKIP() << "this kernel does not allow a seccomp filter";
    EXPECT_EQ(failure, "");
    EXPECT_EQ(bytesAlone, bytes);
    EXPECT_EQ(foldersAlone, folders);
    EXPECT_FALSE(exists(scratch / "copy"));
}

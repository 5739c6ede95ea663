#include "WalkFixtures.h"

#include "platform/walk/FolderWalk.h"
#include "support/TestSupport.h"

#include <atomic>
#include <climits>
#include <thread>

using namespace rnx10;
using namespace rnx10::test;

namespace {

constexpr int kLevels = 2000;
constexpr int kMostDescriptors = 64;

// One chain 2,000 folders deep: its full paths are several times PATH_MAX.
class DeepTree : public ::testing::Test {
protected:
    void SetUp() override
    {
        makeFolders(root);
        bytes = makeDeepChain(root, kLevels, 3);
        before = openDescriptors();
    }
    void TearDown() override
    {
        for (const std::string &tree : {root, copy})
            if (exists(tree))
                walk::removeTree(tree, true);
    }

    ScratchDir scratch;
    std::string root = scratch / "deep";
    std::string copy = scratch / "copy";
    std::size_t bytes = 0;
    int before = 0;
};

TEST_F(DeepTree, IsMeasuredWithBoundedDescriptors)
{
    walk::WalkProgress progress;
    EXPECT_EQ(walk::treeSize(root, &progress), bytes);
    EXPECT_LE(progress.mostOpenFolders.load(), kMostDescriptors);
    EXPECT_EQ(progress.openFolders.load(), 0);
    EXPECT_EQ(openDescriptors(), before);
}

TEST_F(DeepTree, IsReportedParentsFirstWithFullPaths)
{
    int count = 0;
    std::size_t longest = 0;
    std::string previous = root;
    int mostOpen = 0;
    bool parentsFirst = true;
    walk::forEachFolder(root, [&](const std::string &path) {
        ++count;
        parentsFirst = parentsFirst && path == previous + "/" + kDeepName;
        previous = path;
        longest = path.size();
        if (count % 100 == 0)
            mostOpen = std::max(mostOpen, openDescriptors() - before);
        return true;
    });
    EXPECT_EQ(count, kLevels);
    EXPECT_TRUE(parentsFirst);
    EXPECT_GT(longest, static_cast<std::size_t>(PATH_MAX));
    EXPECT_LE(mostOpen, kMostDescriptors + 1); // +1: the listing of /proc/self/fd itself
    EXPECT_EQ(openDescriptors(), before);
}

TEST_F(DeepTree, IsCopiedAndDeleted)
{
    walk::WalkProgress progress;
    int mostOpen = 0;
    std::atomic<bool> copying{true};
    // Samples this process's descriptors while the copy runs on another thread.
    std::thread sampler([&] {
        while (copying)
            mostOpen = std::max(mostOpen, openDescriptors() - before);
    });
    walk::copyTree(root, copy, false, &progress);
    copying = false;
    sampler.join();
    EXPECT_LE(progress.mostOpenFolders.load() * 2, kMostDescriptors);
    EXPECT_LE(mostOpen, kMostDescriptors + 1); // +1: the sampler's own listing of /proc/self/fd
    EXPECT_EQ(walk::treeSize(copy), bytes);
    int copied = 0;
    walk::forEachFolder(copy, [&](const std::string &) { return ++copied > 0; });
    EXPECT_EQ(copied, kLevels);

    walk::removeTree(root, true);
    walk::removeTree(copy, true);
    EXPECT_FALSE(exists(root));
    EXPECT_FALSE(exists(copy));
    EXPECT_EQ(openDescriptors(), before);
}

// Deletion runs more workers than there are cores, each on its own deep sub-tree: together they
// still hold no more descriptors than one walk may.
TEST(ManyDeepChains, AreRemovedWithBoundedDescriptors)
{
    ScratchDir scratch;
    const std::string root = scratch / "chains";
    for (int i = 0; i < 16; ++i) {
        const std::string chain = root + "/c" + std::to_string(i);
        makeFolders(chain);
        makeDeepChain(chain, 150, 1);
    }
    const int before = openDescriptors();
    int mostOpen = 0;
    std::atomic<bool> removing{true};
    std::thread sampler([&] {
        while (removing)
            mostOpen = std::max(mostOpen, openDescriptors() - before);
    });
    walk::removeTree(root, true);
    removing = false;
    sampler.join();
    EXPECT_FALSE(exists(root));
    EXPECT_LE(mostOpen, kMostDescriptors + 1); // +1: the sampler's own listing of /proc/self/fd
    EXPECT_EQ(openDescriptors(), before);
}

} // namespace

// The folder walk reads ahead on helper threads: what the visitor sees must stay exactly what a
// walk on one thread gives, stops and errors included.
#include "WalkFixtures.h"

#include "platform/NameOrder.h"
#include "platform/walk/FolderWalk.h"
#include "support/TestSupport.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <thread>

using namespace rnx10;
using namespace rnx10::test;

namespace {

// Year, month and day folders, each day with an hour or another folder: more days than the walk
// makes sub-trees for on every core.
void makeWideStore(const std::string &root)
{
    for (int year : {2024, 2025})
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= 28; ++day) {
                std::string folder = root + "/" + std::to_string(year) + "/" + std::to_string(month) + "/" +
                                     std::to_string(day);
                makeFolders(folder + (day % 3 == 0 ? "/10/a" : "/Ab"));
                writeBytes(folder + "/details.ini", 1);
            }
}

// The order of a walk on one thread, worked out without the walk: parents first, names in order.
void expectedOrder(const std::string &folder, std::vector<std::string> &out)
{
    std::vector<std::string> names;
    for (const auto &e : std::filesystem::directory_iterator(folder))
        if (e.is_directory() && !e.is_symlink())
            names.push_back(e.path().filename().string());
    sortByName(names);
    for (const std::string &name : names) {
        out.push_back(folder + "/" + name);
        expectedOrder(folder + "/" + name, out);
    }
}

std::vector<std::string> walked(const std::string &root, std::size_t stopAfter = SIZE_MAX)
{
    std::vector<std::string> seen;
    const auto caller = std::this_thread::get_id();
    walk::forEachFolder(root, [&](const std::string &path) {
        EXPECT_EQ(std::this_thread::get_id(), caller) << path;
        seen.push_back(path);
        return seen.size() < stopAfter;
    });
    return seen;
}

TEST(OrderedFolderWalk, HandsOutAWideTreeInOneThreadsOrderOnTheCallingThread)
{
    ScratchDir scratch;
    const std::string root = scratch / "store";
    makeWideStore(root);
    makeLink(root + "/2024", root + "/2024/1/linked");
    std::vector<std::string> expected;
    expectedOrder(root, expected);
    ASSERT_GT(expected.size(), 1000u);
    EXPECT_EQ(walked(root), expected);
    // Stopped at every kind of place: a top folder, inside the first sub-tree, far into the walk.
    for (std::size_t stop : {std::size_t{1}, std::size_t{5}, expected.size() / 2, expected.size() - 1}) {
        std::vector<std::string> prefix(expected.begin(), expected.begin() + static_cast<std::ptrdiff_t>(stop));
        EXPECT_EQ(walked(root, stop), prefix) << "stopped after " << stop;
    }
}

// A wide store in a scratch folder, and the order a walk on one thread gives it.
struct WideStore {
    WideStore()
    {
        makeWideStore(root);
        expectedOrder(root, expected);
    }
    ScratchDir scratch;
    std::string root = scratch / "store";
    std::vector<std::string> expected;
};

TEST(OrderedFolderWalk, RaisesForAnUnreadableFolderAfterEverythingBeforeIt)
{
    const WideStore store;
    const std::string &root = store.root;
    const std::vector<std::string> &expected = store.expected;
    // Inside a sub-tree a helper walks, at a sub-tree's top, among the levels read first.
    for (const std::string &closed : {root + "/2025/7/9/10", root + "/2025/7/5", root + "/2025"}) {
        SCOPED_TRACE(closed);
        const auto at = std::find(expected.begin(), expected.end(), closed);
        ASSERT_NE(at, expected.end());
        ::chmod(closed.c_str(), 0);
        std::vector<std::string> seen;
        withoutOverridingModes([&] {
            expectError(70, [&] {
                walk::forEachFolder(root, [&](const std::string &path) {
                    seen.push_back(path);
                    return true;
                });
            });
        });
        ::chmod(closed.c_str(), 0755);
        EXPECT_EQ(seen, std::vector<std::string>(expected.begin(), at + 1));
    }
}

TEST(OrderedFolderWalk, ReadAheadStaysWithinItsByteBudgetAndKeepsTheOrder)
{
    const WideStore store;
    const std::string &root = store.root;
    const std::vector<std::string> &expected = store.expected;
    walk::ReadAheadBudget &budget = walk::readAheadBudget();
    const std::size_t usual = budget.bytes;
    // Nothing may be read ahead; a few sub-trees may; one sub-tree never fits (each is ~4 KB).
    for (const std::size_t bytes : {std::size_t{1}, std::size_t{10000}, std::size_t{2000}}) {
        SCOPED_TRACE(bytes);
        budget.bytes = bytes;
        budget.peak = 0;
        EXPECT_EQ(walked(root), expected);
        const std::size_t half = expected.size() / 2;
        EXPECT_EQ(walked(root, half), std::vector<std::string>(expected.begin(), expected.begin() + half));
        EXPECT_LE(budget.peak.load(), bytes);
    }
    budget.bytes = usual;
}

} // namespace

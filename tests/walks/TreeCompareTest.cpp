// What a restore would change: the compare walk against a small fixture of every kind of change.
#include "WalkFixtures.h"

#include "platform/walk/TreeCompare.h"
#include "support/TestSupport.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <thread>

using namespace rnx10;
using namespace rnx10::test;

namespace {

void setModified(const std::string &path, time_t seconds)
{
    const struct timespec times[2] = {{seconds, 0}, {seconds, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << path;
}

class TreeCompare : public ::testing::Test {
protected:
    // The lines compareTrees reports, "K PATH", and its counts.
    std::vector<std::string> compared(const std::string &current)
    {
        std::vector<std::string> lines;
        counts = walk::compareTrees(archive, current, [&](const walk::TreeChange &c) {
            lines.push_back(std::string(1, static_cast<char>(c.kind)) + " " + c.path);
        });
        return lines;
    }

    ScratchDir scratch;
    std::string archive = scratch / "copy";
    std::string current = scratch / "current";
    walk::ChangeCounts counts;
};

TEST_F(TreeCompare, ReportsEachKindOnceInNameOrderDepthFirst)
{
    for (const std::string &side : {archive, current}) {
        makeFolders(side + "/sub");
        writeFile(side + "/a.txt", "same");
        writeFile(side + "/sub/kept", "same");
        makeLink("/", side + "/root-link"); // equal links: neither followed nor reported
        setModified(side + "/a.txt", 1000000);
        setModified(side + "/sub/kept", 1000000);
    }
    writeFile(archive + "/B.txt", "four");
    writeFile(current + "/B.txt", "three");
    writeFile(archive + "/c.txt", "time");
    writeFile(current + "/c.txt", "time");
    setModified(archive + "/c.txt", 1000000);
    setModified(current + "/c.txt", 2000000);
    makeFolders(archive + "/dir/deep");
    writeFile(archive + "/dir/deep/x", "only in the archive, listed once");
    makeLink("a.txt", archive + "/link");
    makeLink("B.txt", current + "/link");
    writeFile(archive + "/sub/new", "n");
    writeFile(current + "/sub/old", "o");
    writeFile(archive + "/type", "a file here");
    makeFolders(current + "/type");
    writeFile(current + "/Zed", "only current");
    writeFile(archive + "/\xff\n.bin", "a name that is not UTF-8, with a newline");

    EXPECT_EQ(compared(current), (std::vector<std::string>{"~ B.txt", "~ c.txt", "+ dir", "~ link", "+ sub/new",
                                                           "- sub/old", "~ type", "- Zed", "+ \xff\n.bin"}));
    EXPECT_EQ(counts.onlyCurrent, 2u);
    EXPECT_EQ(counts.onlyArchive, 3u);
    EXPECT_EQ(counts.differs, 4u);

    // A missing current folder: a restore brings everything back.
    EXPECT_EQ(compared(scratch / "missing"), (std::vector<std::string>{"+ a.txt", "+ B.txt", "+ c.txt", "+ dir", "+ link",
                                                                      "+ root-link", "+ sub", "+ type", "+ \xff\n.bin"}));
    EXPECT_EQ(counts.onlyArchive, 9u);
    EXPECT_EQ(counts.onlyCurrent + counts.differs, 0u);

    // A current folder that is a link is not followed by the walk itself (the caller decides).
    makeLink(current, scratch / "linked");
    expectError(75, [&] { compared(scratch / "linked"); });
}

// An entry gone between its folder's listing and its stat is passed over with a warning, as find
// goes on; the entries after it are still compared. Without a taker for warnings it still raises.
TEST_F(TreeCompare, AnEntryThatVanishedAfterTheListingIsSkippedAndTheRestCompared)
{
    for (const std::string &side : {archive, current}) {
        makeFolders(side);
        for (const char *name : {"a", "b\xff", "c"})
            writeFile(side + "/" + name, "same");
    }
    writeFile(archive + "/a", "longer"); // reported first: the moment to take b away
    writeFile(archive + "/c", "longer");
    std::vector<std::string> lines, skipped;
    walk::CompareOptions options;
    options.skipped = [&](const std::string &path, const AutomationError &e) {
        skipped.push_back(path + ": " + std::to_string(e.number()));
    };
    const walk::ChangeCounts found = walk::compareTrees(archive, current, [&](const walk::TreeChange &c) {
        lines.push_back(std::string(1, static_cast<char>(c.kind)) + " " + c.path);
        if (c.path == "a")
            ::unlink((current + "/b\xff").c_str());
    }, nullptr, options);
    EXPECT_EQ(lines, (std::vector<std::string>{"~ a", "~ c"}));
    EXPECT_EQ(skipped, (std::vector<std::string>{current + "/b\xff: 76"}));
    EXPECT_EQ(found.skipped, 1u);

    writeFile(current + "/b\xff", "same");
    expectError(76, [&] {
        walk::compareTrees(archive, current, [&](const walk::TreeChange &c) {
            if (c.path == "a")
                ::unlink((current + "/b\xff").c_str());
        });
    });
}

// Sub-trees compared on other cores are told in their place: a tree three levels deep with
// changes in most of its folders, on every level, comes out in the order of one depth-first walk
// and whole (names of one length: that order is the paths' sorted order).
TEST_F(TreeCompare, SubtreesComparedAsideComeInDepthFirstOrder)
{
    std::vector<std::string> expected;
    for (const std::string &side : {archive, current})
        makeFolders(side);
    for (int y = 0; y < 4; ++y)
        for (int m = 0; m < 6; ++m)
            for (int d = 0; d < 3; ++d) {
                const std::string rel = "y" + std::to_string(y) + "/m" + std::to_string(m) + "/d" + std::to_string(d);
                makeFolders(archive + "/" + rel);
                makeFolders(current + "/" + rel);
                for (const std::string &side : {archive, current}) {
                    writeFile(side + "/" + rel + "/same.txt", "x");
                    setModified(side + "/" + rel + "/same.txt", 1700000000);
                }
                if ((y + m + d) % 2 == 0) {
                    writeFile(archive + "/" + rel + "/gone.txt", "x");
                    expected.push_back("+ " + rel + "/gone.txt");
                }
            }
    writeFile(current + "/y1/added.txt", "x");
    expected.push_back("- y1/added.txt");
    writeFile(archive + "/y2/m3/d9.txt", "x");
    expected.push_back("+ y2/m3/d9.txt");
    std::sort(expected.begin(), expected.end(), [](const std::string &a, const std::string &b) {
        return a.substr(2) < b.substr(2);
    });
    std::vector<std::string> lines;
    walk::compareTrees(archive, current, [&](const walk::TreeChange &c) {
        lines.push_back(std::string(1, static_cast<char>(c.kind)) + " " + c.path);
        if (lines.size() % 4 == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(1)); // the helpers run ahead
    });
    EXPECT_EQ(lines, expected);
}

TEST_F(TreeCompare, DeepTreesNeedABoundedNumberOfDescriptors)
{
    makeFolders(archive);
    makeFolders(current);
    makeDeepChain(archive, 600, 1);
    makeDeepChain(current, 600, 2); // every tenth level's file differs in size
    struct rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
    struct rlimit tight = saved;
    tight.rlim_cur = static_cast<rlim_t>(openDescriptors() + 100);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &tight), 0);
    std::vector<std::string> lines;
    std::optional<AutomationError> failure = err::caught([&] { lines = compared(current); });
    ::setrlimit(RLIMIT_NOFILE, &saved);
    ASSERT_FALSE(failure) << failure->description();
    EXPECT_EQ(counts.differs, 60u);
    EXPECT_EQ(lines.size(), 60u);
}

} // namespace

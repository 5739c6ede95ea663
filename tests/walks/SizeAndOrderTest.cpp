#include "WalkFixtures.h"

#include "automation/AutomationError.h"
#include "platform/FileSystemObject.h"
#include "platform/walk/FolderWalk.h"
#include "support/PrivateMount.h"
#include "support/TestSupport.h"

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>

#include <functional>
#include <limits>
#include <set>

using namespace rnx10;
using namespace rnx10::test;

namespace {

struct SizeCase {
    const char *what;
    std::function<void(const std::string &root, const std::string &outside)> build;
    std::uint64_t expected;
};

void wideTree(const std::string &folder, int levels)
{
    writeBytes(folder + "/f", 3);
    if (levels == 0)
        return;
    for (const char *name : {"a", "b", "c", "d"}) {
        ::mkdir((folder + "/" + name).c_str(), 0755);
        wideTree(folder + "/" + name, levels - 1);
    }
}

const SizeCase kSizeCases[] = {
    {"files at every level",
     [](auto &r, auto &) {
         makeFolders(r + "/x/y");
         writeBytes(r + "/a", 10);
         writeBytes(r + "/x/b", 20);
         writeBytes(r + "/x/y/c", 30);
     },
     60},
    {"empty files and folders", [](auto &r, auto &) { makeFolders(r + "/f/g"); writeBytes(r + "/e", 0); }, 0},
    {"hidden files count", [](auto &r, auto &) { writeBytes(r + "/.h", 7); }, 7},
    {"a link to a file adds nothing",
     [](auto &r, auto &) {
         writeBytes(r + "/a", 100);
         makeLink("a", r + "/l");
     },
     100},
    {"a link to a folder is not followed",
     [](auto &r, auto &o) {
         writeBytes(o + "/big", 1000);
         makeLink(o, r + "/l");
     },
     0},
    {"a link loop costs nothing",
     [](auto &r, auto &) {
         makeFolders(r + "/a");
         writeBytes(r + "/a/f", 5);
         makeLink(".", r + "/self");
         makeLink("..", r + "/a/up");
     },
     5},
    {"a pipe is not a file", [](auto &r, auto &) { ::mkfifo((r + "/p").c_str(), 0644); }, 0},
    // 4 levels of 4 sub-folders: enough sub-trees for the work to be spread over the cores.
    {"a wide tree", [](auto &r, auto &) { wideTree(r, 4); }, 3 * (1 + 4 + 16 + 64 + 256)},
};

TEST(TreeSize, CountsRegularFilesLogicalBytesOnly)
{
    for (const SizeCase &c : kSizeCases) {
        ScratchDir scratch;
        makeFolders(scratch / "root");
        makeFolders(scratch / "outside");
        c.build(scratch / "root", scratch / "outside");
        EXPECT_EQ(walk::treeSize(scratch / "root"), c.expected) << c.what;
        EXPECT_EQ(FileSystemObject().folderSize(scratch / "root"), c.expected) << c.what;
    }
}

// Sparse files whose sizes add up past 64 bits, on a tmpfs (which allows files of 2^63 - 1 bytes)
// mounted in a private mount namespace of a forked child: the size stays the largest count
// instead of wrapping to almost nothing.
TEST(TreeSize, SaturatesInsteadOfWrapping)
{
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const std::string mountPoint = scratch.path().toStdString();
    const std::optional<int> status = inPrivateMount(mountPoint, "size=1m", [&] {
        for (const char *name : {"/a", "/b", "/c"}) {
            const int fd = ::open((mountPoint + name).c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
            if (fd < 0 || ::ftruncate(fd, std::numeric_limits<off_t>::max()) != 0)
                return 3;
            ::close(fd);
        }
        return walk::treeSize(mountPoint) == std::numeric_limits<std::uint64_t>::max() ? 0 : 1;
    });
    if (!status)
        GTEST_SKIP() << "no private mount namespace with a tmpfs here";
    EXPECT_EQ(*status, 0) << "1: the size wrapped, 2: the walk raised, 3: no sparse files";
}

TEST(TreeSize, RaisesForMissingFolderFileAndUnreadableFolder)
{
    ScratchDir scratch;
    writeBytes(scratch / "file", 1);
    expectError(76, [&] { walk::treeSize(scratch / "missing"); });
    expectError(76, [&] { walk::treeSize(scratch / "file"); });
    makeFolders(scratch / "root/closed");
    ::chmod((scratch / "root/closed").c_str(), 0);
    withoutOverridingModes([&] { expectError(70, [&] { walk::treeSize(scratch / "root"); }); });
    ::chmod((scratch / "root/closed").c_str(), 0755);
}

TEST(ForEachFolder, ParentsFirstInNameOrderHiddenIncludedLinksNotFollowed)
{
    ScratchDir scratch;
    std::string root = scratch / "store";
    for (const char *f : {"b/2", "a", ".hidden/inner", "c/z/deep", "c/y", "name-\xff\xfe"})
        makeFolders(root + "/" + f);
    writeBytes(root + "/c/file", 1);
    makeLink(root + "/c", root + "/linked");

    std::vector<std::string> seen;
    walk::forEachFolder(root, [&](const std::string &p) {
        seen.push_back(p);
        return true;
    });
    const std::vector<std::string> expected = {".hidden", ".hidden/inner", "a", "b", "b/2", "c", "c/y", "c/z",
                                               "c/z/deep", "name-\xff\xfe"};
    std::vector<std::string> expectedPaths;
    for (const std::string &f : expected)
        expectedPaths.push_back(root + "/" + f);
    EXPECT_EQ(seen, expectedPaths);
}

TEST(ForEachFolder, StopsWhenTheVisitorSaysSo)
{
    ScratchDir scratch;
    for (const char *f : {"a/b/c", "d/e", "f"})
        makeFolders(scratch / f);
    int calls = 0;
    walk::forEachFolder(scratch.path(), [&](const std::string &) { return ++calls < 2; });
    EXPECT_EQ(calls, 2);
}

TEST(ForEachFolder, RootItselfIsNotListedAndAMissingRootRaises)
{
    ScratchDir scratch;
    int calls = 0;
    walk::forEachFolder(scratch.path(), [&](const std::string &) { return ++calls > 0; });
    EXPECT_EQ(calls, 0);
    expectError(76, [&] { walk::forEachFolder(scratch / "none", [](auto &) { return true; }); });
}

TEST(FolderListing, SeparatesRealFoldersFromEverythingElse)
{
    ScratchDir scratch;
    makeFolders(scratch / "dir");
    writeBytes(scratch / "file", 1);
    makeLink(scratch / "dir", scratch / "dirlink");
    ::mkfifo((scratch / "pipe").c_str(), 0644);
    FileSystemObject fso;
    EXPECT_EQ(fso.subFolders(scratch.path()), std::vector<std::string>{"dir"});
    auto others = fso.files(scratch.path());
    std::sort(others.begin(), others.end());
    EXPECT_EQ(others, (std::vector<std::string>{"dirlink", "file", "pipe"}));
}

// A listing is read in blocks and may stop early when the end is marked: every entry must still
// come back exactly once, for folders that fit one read and folders that need several, on the
// test's file system and on tmpfs, whose end mark differs.
TEST(FolderListing, ListsEveryEntryOnceWhateverTheFolderSize)
{
    ScratchDir scratch;
    std::vector<std::string> bases{scratch.path()};
    QTemporaryDir shm(QStringLiteral("/dev/shm/rnx10-listing-XXXXXX"));
    if (shm.isValid())
        bases.push_back(shm.path().toStdString());
    for (const std::string &base : bases) {
        for (int count : {0, 1, 90, 700, 3000}) {
            SCOPED_TRACE(base + ", " + std::to_string(count) + " entries");
            const std::string folder = base + "/n" + std::to_string(count);
            makeFolders(folder);
            std::set<std::string> made;
            std::uint64_t files = 0;
            for (int i = 0; i < count; ++i) {
                // Long names: 700 of them take about 160 KiB of listing, several reads.
                std::string name = std::to_string(i) + std::string(200, 'x');
                if (i % 7 == 0) {
                    makeFolders(folder + "/" + name);
                } else {
                    writeBytes(folder + "/" + name, 1);
                    ++files;
                }
                made.insert(name);
            }
            std::set<std::string> listed;
            for (const walk::Entry &e : walk::list(folder))
                EXPECT_TRUE(listed.insert(e.name).second) << "listed twice: " << e.name;
            EXPECT_EQ(listed, made);
            EXPECT_EQ(walk::treeSize(folder), files);
        }
    }
}

} // namespace

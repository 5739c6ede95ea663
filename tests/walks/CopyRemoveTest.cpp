#include "WalkFixtures.h"

#include "automation/AutomationError.h"
#include "platform/FileSystemObject.h"
#include "platform/Paths.h"
#include "platform/walk/FolderWalk.h"
#include "support/TestSupport.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

using namespace rnx10;
using namespace rnx10::test;

namespace {

struct stat lstatOf(const std::string &path)
{
    struct stat st{};
    ::lstat(path.c_str(), &st);
    return st;
}

std::string linkTarget(const std::string &path)
{
    char buf[4096];
    ssize_t n = ::readlink(path.c_str(), buf, sizeof buf);
    return n < 0 ? std::string() : std::string(buf, static_cast<std::size_t>(n));
}

// A source with one of each thing a copy must keep.
class CopyFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        makeFolders(src + "/sub/.hidden");
        makeFolders(src + "/locked");
        write("plain", "hello", 0640);
        write("readonly", "keep", 0444);
        write("tool", "#!", 0755);
        write("sub/.hidden/empty", "", 0600);
        write("locked/inside", "in", 0644);
        ::chmod((src + "/locked").c_str(), 0555);
        makeLink("plain", src + "/link");
        makeLink("/nowhere/at/all", src + "/dangling");
        makeLink(src + "/sub", src + "/folderlink");
        ::mkfifo((src + "/pipe").c_str(), 0644);
        struct timespec old[2] = {{1000000000, 0}, {1000000000, 0}};
        ::utimensat(AT_FDCWD, (src + "/plain").c_str(), old, AT_SYMLINK_NOFOLLOW);
    }
    void TearDown() override
    {
        for (const std::string &tree : {src, dst})
            if (exists(tree))
                walk::removeTree(tree, true);
    }
    void write(const std::string &rel, const std::string &content, mode_t mode)
    {
        writeFile(src + "/" + rel, content);
        ::chmod((src + "/" + rel).c_str(), mode);
    }

    ScratchDir scratch;
    std::string src = scratch / "src";
    std::string dst = scratch / "dst";
};

TEST_F(CopyFixture, KeepsContentModesTimesAndLinksAsLinks)
{
    walk::copyTree(src, dst, false);
    struct Expect {
        const char *rel;
        std::string content;
        mode_t mode;
    };
    for (const Expect &e : {Expect{"plain", "hello", 0640}, Expect{"readonly", "keep", 0444}, Expect{"tool", "#!", 0755},
                            Expect{"sub/.hidden/empty", "", 0600}, Expect{"locked/inside", "in", 0644}}) {
        EXPECT_EQ(readFile(dst + "/" + e.rel), e.content) << e.rel;
        EXPECT_EQ(lstatOf(dst + "/" + e.rel).st_mode & 07777, e.mode) << e.rel;
    }
    EXPECT_EQ(lstatOf(dst + "/locked").st_mode & 07777, 0555u);
    EXPECT_EQ(lstatOf(dst + "/plain").st_mtim.tv_sec, 1000000000);
    for (const char *link : {"link", "dangling", "folderlink"}) {
        EXPECT_TRUE(S_ISLNK(lstatOf(dst + "/" + link).st_mode)) << link;
        EXPECT_EQ(linkTarget(dst + "/" + link), linkTarget(src + "/" + link)) << link;
    }
    EXPECT_TRUE(S_ISFIFO(lstatOf(dst + "/pipe").st_mode)); // made, never opened
    EXPECT_EQ(lstatOf(dst + "/pipe").st_mode & 07777, 0644u);
    EXPECT_EQ(walk::treeSize(dst), walk::treeSize(src));
}

// As cp -a keeps them: a sparse file takes no more blocks than cp -a's copy of it (holes stay
// holes, one at the end included); a socket or device is not made but named in the progress.
TEST(CopyTree, SparseFilesStaySparseAndSocketsAndDevicesAreNamed)
{
    ScratchDir scratch;
    const std::string src = scratch / "src\xFF", dst = scratch / "dst";
    makeFolders(src);
    {
        const int fd = ::open((src + "/sparse").c_str(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, 32 << 20), 0);
        ASSERT_EQ(::pwrite(fd, "middle", 6, 8 << 20), 6);
        ASSERT_EQ(::pwrite(fd, "later", 5, 16 << 20), 5);
        ::close(fd);
    }
    const std::string socketPath = src + "/sock";
    const int sock = bindSocketAt(socketPath);
    ASSERT_GE(sock, 0) << socketPath;
    std::vector<std::string> skipped{socketPath};
    if (::mknod((src + "/null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) // root in a container may not
        skipped.insert(skipped.begin(), src + "/null");

    walk::WalkProgress progress;
    walk::copyTree(src, dst, false, &progress);
    ASSERT_EQ(std::system(("cp -a '" + src + "/sparse' '" + scratch.path() + "/by-cp'").c_str()), 0);
    std::vector<std::string> named = progress.skippedSince(0);
    std::sort(named.begin(), named.end());
    std::sort(skipped.begin(), skipped.end());

    EXPECT_EQ(readFile(dst + "/sparse"), readFile(src + "/sparse"));
    EXPECT_LE(lstatOf(dst + "/sparse").st_blocks, lstatOf(scratch / "by-cp").st_blocks);
    EXPECT_LT(lstatOf(dst + "/sparse").st_blocks * 512, 1 << 20); // two small pieces of data, not 32 MB
    EXPECT_EQ(named, skipped);
    EXPECT_FALSE(exists(dst + "/sock"));
    EXPECT_FALSE(exists(dst + "/null"));
    ::close(sock);
}

// As cp -a does: every folder, the copy's top one included, ends with its source's mode and times,
// whether the copy made the top folder or found it (a private staging folder).
TEST_F(CopyFixture, FoldersTheTopOneIncludedKeepTheirModesAndTimes)
{
    const struct {
        const char *rel;
        mode_t mode;
        long modified;
    } folders[] = {{"", 0751, 1200000001}, {"sub", 0750, 1200000002}, {"sub/.hidden", 0700, 1200000003},
                   {"locked", 0555, 1200000004}};
    for (const auto &f : folders) {
        const std::string path = joinPath(src, f.rel);
        ::chmod(path.c_str(), f.mode);
        const struct timespec when[2] = {{f.modified - 100, 0}, {f.modified, 250}};
        ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), when, 0), 0);
    }
    const struct timespec linkTime[2] = {{1200000010, 0}, {1200000011, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, (src + "/link").c_str(), linkTime, AT_SYMLINK_NOFOLLOW), 0);
    for (const bool existing : {false, true}) {
        SCOPED_TRACE(existing ? "destination there, mode 700" : "destination made by the copy");
        if (existing)
            ASSERT_EQ(::mkdir(dst.c_str(), 0700), 0);
        walk::copyTree(src, dst, false);
        for (const auto &f : folders) {
            const struct stat st = lstatOf(joinPath(dst, f.rel));
            EXPECT_EQ(st.st_mode & 07777, f.mode) << f.rel;
            EXPECT_EQ(st.st_mtim.tv_sec, f.modified) << f.rel;
            EXPECT_EQ(st.st_mtim.tv_nsec, 250) << f.rel;
        }
        EXPECT_EQ(lstatOf(dst + "/link").st_mtim.tv_sec, 1200000011);
        walk::removeTree(dst, true);
    }
}

TEST(CopyTree, KeepsOwnersAndGroupsWhenRunAsRoot)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root gives files away";
    ScratchDir scratch;
    const std::string src = scratch / "src", dst = scratch / "dst";
    makeFolders(src + "/sub");
    writeFile(src + "/sub/file", "x");
    ::chmod((src + "/sub/file").c_str(), 04755); // a change of owner clears set-id bits: they come back
    makeLink("file", src + "/sub/link");
    const struct {
        const char *rel;
        uid_t uid;
        gid_t gid;
    } owned[] = {{"", 1201, 1301}, {"sub", 1202, 1302}, {"sub/file", 1203, 1303}, {"sub/link", 1204, 1304}};
    for (const auto &o : owned)
        ASSERT_EQ(::lchown(joinPath(src, o.rel).c_str(), o.uid, o.gid), 0) << o.rel;
    ::chmod((src + "/sub/file").c_str(), 04755);
    walk::copyTree(src, dst, false);
    for (const auto &o : owned) {
        const struct stat st = lstatOf(joinPath(dst, o.rel));
        EXPECT_EQ(st.st_uid, o.uid) << o.rel;
        EXPECT_EQ(st.st_gid, o.gid) << o.rel;
    }
    EXPECT_EQ(lstatOf(dst + "/sub/file").st_mode & 07777, 04755u);
    EXPECT_EQ(describeTree(dst), describeTree(src));
}

TEST_F(CopyFixture, OverwriteReplacesReadOnlyTargetsAndWithoutItRaises58)
{
    walk::copyTree(src, dst, false);
    ::chmod((dst + "/plain").c_str(), 0444);
    expectError(58, [&] { walk::copyTree(src, dst, false); });
    ::chmod((dst + "/plain").c_str(), 0644);
    writeFile(dst + "/plain", "changed and longer");
    ::chmod((dst + "/plain").c_str(), 0444);
    walk::copyTree(src, dst, true);
    EXPECT_EQ(readFile(dst + "/plain"), "hello");
    EXPECT_EQ(lstatOf(dst + "/plain").st_mode & 07777, 0640u);
    EXPECT_EQ(linkTarget(dst + "/link"), "plain");
}

TEST_F(CopyFixture, ADestinationInsideTheSourceIsNotCopiedIntoItself)
{
    std::string inner = src + "/sub/restore";
    walk::copyTree(src, inner, false);
    EXPECT_EQ(readFile(inner + "/plain"), "hello");
    EXPECT_FALSE(exists(inner + "/sub/restore"));
}

TEST(CopyAndRemove, AWideTreeIsCopiedExactlyAndRemoved)
{
    ScratchDir scratch;
    std::string src = scratch / "wide", dst = scratch / "copy";
    makeFolders(src);
    makeWideTree(src);
    walk::copyTree(src, dst, false);
    EXPECT_EQ(describeTree(dst), describeTree(src));
    EXPECT_EQ(lstatOf(dst).st_mode, lstatOf(src).st_mode);
    EXPECT_EQ(lstatOf(dst).st_mtim.tv_sec, lstatOf(src).st_mtim.tv_sec);
    walk::removeTree(src, true);
    walk::removeTree(dst, true);
    EXPECT_FALSE(exists(src));
    EXPECT_FALSE(exists(dst));
}

TEST(RemoveTree, RemovesLinksAsLinksAndForcesReadOnlyFolders)
{
    ScratchDir scratch;
    std::string tree = scratch / "tree";
    makeFolders(tree + "/ro/deeper");
    makeFolders(tree + "/closed");
    makeFolders(scratch / "outside");
    writeBytes(scratch / "outside/keep", 4);
    writeBytes(tree + "/ro/deeper/f", 1);
    writeBytes(tree + "/closed/g", 1);
    makeLink(scratch / "outside", tree + "/folderlink");
    makeLink(scratch / "outside/keep", tree + "/ro/filelink");
    ::chmod((tree + "/ro/deeper").c_str(), 0555);
    ::chmod((tree + "/ro").c_str(), 0555);
    ::chmod((tree + "/closed").c_str(), 0);

    walk::removeTree(tree, true);
    EXPECT_FALSE(exists(tree));
    EXPECT_EQ(readFile(scratch / "outside/keep"), "xxxx");
}

TEST(RemoveTree, WithoutForceStopsAtAReadOnlyFolder)
{
    ScratchDir scratch;
    makeFolders(scratch / "tree/ro");
    writeBytes(scratch / "tree/ro/f", 1);
    ::chmod((scratch / "tree/ro").c_str(), 0555);
    withoutOverridingModes([&] { expectError(70, [&] { walk::removeTree(scratch / "tree", false); }); });
    EXPECT_TRUE(exists(scratch / "tree/ro/f"));
    walk::removeTree(scratch / "tree", true);
}

TEST(RemoveTree, RefusesHomeAndItsAncestorsAndRaisesForMissing)
{
    Installation inst;
    makeFolders(inst.home() + "/Documents");
    for (const std::string &path : {inst.home(), inst.root(), inst.home() + "/."}) {
        SCOPED_TRACE(path);
        expectError(70, [&] { walk::removeTree(path, true); });
    }
    EXPECT_TRUE(exists(inst.home() + "/Documents"));
    expectError(76, [&] { walk::removeTree(inst.root() + "/missing", true); });
}

TEST(RemoveTree, NeverEntersAnotherFileSystemMountedInside)
{
    ScratchDir scratch;
    std::string mountPoint = scratch / "tree/mounted";
    makeFolders(mountPoint);
    if (::mount("rnx10-test", mountPoint.c_str(), "tmpfs", 0, nullptr) != 0)
        GTEST_SKIP() << "mounting needs privileges this test run does not have";
    writeBytes(mountPoint + "/precious", 3);
    expectError(70, [&] { walk::removeTree(scratch / "tree", true); });
    EXPECT_EQ(readFile(mountPoint + "/precious"), "xxx");
    ::umount(mountPoint.c_str());
}

TEST(DeleteFolder, OfALinkRemovesOnlyTheLink)
{
    ScratchDir scratch;
    makeFolders(scratch / "target/inner");
    makeLink(scratch / "target", scratch / "link");
    FileSystemObject().deleteFolder(scratch / "link", true);
    EXPECT_FALSE(exists(scratch / "link"));
    EXPECT_TRUE(exists(scratch / "target/inner"));
}

} // namespace

// The forced delete the cleanup relies on: never "/", the home folder or an ancestor of either,
// however the path is spelt, and a link goes as a link.
#include "FolderFixtures.h"

#include "automation/AutomationError.h"
#include "platform/FileSystemObject.h"
#include "platform/Paths.h"
#include "support/TestSupport.h"

#include <unistd.h>

using namespace rnx10;
using namespace rnx10::test;

namespace {

TEST(FileSystemGuard, ProtectedFoldersAreRecognisedHoweverSpelt)
{
    Installation inst;
    WorkingFolder cwd(inst.root());
    ::symlink(inst.home().c_str(), (inst.root() + "/homelink").c_str());
    makeFolders(inst.home() + "/sub");
    for (const std::string &path : {std::string("/"), std::string("//"), std::string("/."), inst.home(),
                                    inst.home() + "/", inst.home() + "/.", inst.home() + "/sub/..", inst.root(),
                                    std::string("home"), std::string("./home/"), std::string("."),
                                    inst.root() + "/homelink/"}) {
        SCOPED_TRACE(path);
        EXPECT_TRUE(isProtectedFolder(path));
    }
    for (const std::string &path : {inst.home() + "/sub", inst.logs(), std::string("logs"), std::string(""),
                                    inst.root() + "/missing"}) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(isProtectedFolder(path));
    }
}

TEST(FileSystemGuard, ThePasswordEntrysHomeIsProtectedWhereverHomePoints)
{
    Installation inst; // HOME points at a scratch folder
    const std::string home = passwordHomeFolder();
    if (home.empty() || home == "/")
        GTEST_SKIP() << "this account's password entry names no home folder of its own";
    ASSERT_NE(home, inst.home());
    EXPECT_TRUE(isProtectedFolder(home));
    EXPECT_TRUE(isProtectedFolder(home + "/."));
    EXPECT_TRUE(isProtectedFolder(parentPath(home)));
    // No forced delete is tried on it: on a faulty guard that would empty the real home.
}

TEST(FileSystemGuard, ForcedDeleteRefusesHomeAndItsAncestors)
{
    Installation inst;
    WorkingFolder cwd(inst.root());
    writeFile(inst.home() + "/keep.txt", "k");
    FileSystemObject fs;
    for (const std::string &path : {inst.home(), inst.home() + "/", inst.home() + "/Local/..", inst.root(),
                                    std::string("home"), std::string("."), std::string("home/Local/../")}) {
        SCOPED_TRACE(path);
        expectError(70, [&] { fs.deleteFolder(path, true); });
        EXPECT_TRUE(exists(inst.home() + "/keep.txt"));
    }
}

TEST(FileSystemGuard, ForcedDeleteRemovesALinkNotItsTarget)
{
    Installation inst;
    const std::string target = inst.root() + "/target";
    makeFolders(target + "/inner");
    writeFile(target + "/inner/keep.txt", "k");
    writeFile(inst.home() + "/keep.txt", "k");
    FileSystemObject fs;
    struct Row {
        const char *label, *link;
        std::string to, spelt;
    };
    for (const Row &row : {Row{"plain", "l1", target, ""}, Row{"trailing slash", "l2", target, "/"},
                           Row{"trailing slashes", "l3", target, "//"}, Row{"to home", "l4", inst.home(), ""},
                           Row{"to home, trailing slash", "l5", inst.home(), "/"}}) {
        SCOPED_TRACE(row.label);
        const std::string link = inst.root() + "/" + row.link;
        ASSERT_EQ(::symlink(row.to.c_str(), link.c_str()), 0);
        EXPECT_NO_THROW(fs.deleteFolder(link + row.spelt, true));
        EXPECT_FALSE(exists(link));
        EXPECT_TRUE(exists(target + "/inner/keep.txt"));
        EXPECT_TRUE(exists(inst.home() + "/keep.txt"));
    }
}

TEST(FileSystemGuard, ForcedDeleteOfSomethingThatIsNotAFolderDeletesNothing)
{
    Installation inst;
    writeFile(inst.root() + "/plain", "p");
    FileSystemObject fs;
    EXPECT_THROW(fs.deleteFolder(inst.root() + "/plain", true), AutomationError);
    EXPECT_THROW(fs.deleteFolder(inst.root() + "/missing", true), AutomationError);
    EXPECT_TRUE(exists(inst.root() + "/plain"));
}

} // namespace

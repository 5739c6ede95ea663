#include "FolderFixtures.h"
#include "GuardedFileSystem.h"

#include "component/clsRNX10A.h"
#include "maintenance/core/CleanupGuard.h"
#include "maintenance/core/MaintainceLogs.h"
#include "platform/FileSystemObject.h"
#include "platform/MousePointer.h"
#include "platform/Paths.h"
#include "support/PrivateMount.h"
#include "support/TestSupport.h"

#include <sys/mount.h>
#include <sys/wait.h>
#include <sched.h>
#include <unistd.h>

#include <optional>

using namespace rnx10;
using namespace rnx10::test;

namespace {

class Cleanup : public ::testing::Test {
protected:
    void TearDown() override
    {
        EXPECT_TRUE(fs->escaped.empty()) << "deletion asked outside the scratch root: " << fs->escaped.front();
        EXPECT_EQ(currentMousePointer(), MousePointer::Arrow);
        wipeBelow(inst.root());
    }
    std::string cache() const { return inst.home() + "/Local/Temporary Internet Files"; }
    std::string history() const { return inst.home() + "/Local/History"; }
    std::string outside() const { return inst.root() + "/outside"; }

    Installation inst;
    std::shared_ptr<GuardedFileSystem> fs = std::make_shared<GuardedFileSystem>(inst.root());
    clsRNX10A rnx;
};

TEST_F(Cleanup, LogAndSuiteTemporaryFoldersAreResetEachByItsOwnOperation)
{
    fill(inst.logs());
    makeFolders(inst.logs() + "/locked");
    writeFile(inst.logs() + "/locked/inside.txt", "x");
    ::chmod((inst.logs() + "/locked").c_str(), 0555);
    writeFile(inst.logs() + "/bar.ini", "[Backup]\nLastTaken=x\n");
    fill(inst.suiteTemp());

    ClearLogFiles(*fs);
    EXPECT_TRUE(isEmptyFolder(inst.logs()));
    EXPECT_TRUE(exists(inst.suiteTemp() + "/a.txt")) << "the log clearing touched the suite temporary folder";
    EXPECT_EQ(fs->pointerAtLastDelete, MousePointer::Busy);

    ClearTempFiles(*fs);
    EXPECT_TRUE(isEmptyFolder(inst.suiteTemp()));
}

TEST_F(Cleanup, LogFolderLocations)
{
    makeFolders(outside());
    writeFile(outside() + "/keep.txt", "k");
    writeFile(inst.home() + "/keep.txt", "k");
    writeFile(inst.logs() + "/bar.ini", "b");
    writeFile(inst.root() + "/plain", "p");
    ::symlink(outside().c_str(), (inst.root() + "/loglink").c_str());
    ::symlink(outside().c_str(), (inst.root() + "/loglink2").c_str());
    makeFolders(inst.root() + "/l\xf6gs");
    writeFile(inst.root() + "/l\xf6gs/bar.ini", "b");
    WorkingFolder cwd(inst.root());

    struct Row {
        const char *label;
        std::string value;
        std::string emptyAfter;  // exists as a real, empty folder afterwards
        std::string mustSurvive; // still there afterwards
    };
    const std::string r = inst.root();
    const Row rows[] = {
        {"missing folder is created", r + "/newlogs", r + "/newlogs", ""},
        {"name that is not UTF-8", r + "/l\xf6gs", r + "/l\xf6gs", ""},
        {"link replaced, target kept", r + "/loglink", r + "/loglink", outside() + "/keep.txt"},
        {"link with trailing slash", r + "/loglink2/", r + "/loglink2", outside() + "/keep.txt"},
        {"relative", "logs", "", inst.logs() + "/bar.ini"},
        {"home", inst.home(), "", inst.home() + "/keep.txt"},
        {"home with trailing slash", inst.home() + "//", "", inst.home() + "/keep.txt"},
        {"ancestor of home", r, "", inst.home() + "/keep.txt"},
        {"root", "/", "", ""},
        // HOME points into the scratch folder: the account's own home must stay all the same.
        {"home of the password entry", passwordHomeFolder(), "", ""},
        {"a file", r + "/plain", "", r + "/plain"},
        {"empty", "", "", inst.logs() + "/bar.ini"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.label);
        inst.env.set("ZVENVSLOGS", row.value);
        EXPECT_NO_THROW(ClearLogFiles(*fs));
        if (!row.emptyAfter.empty())
            EXPECT_TRUE(isEmptyFolder(row.emptyAfter));
        if (!row.mustSurvive.empty())
            EXPECT_TRUE(exists(row.mustSurvive));
    }

    inst.env.set("ZVENVSLOGS", r + "/no/logs");
    EXPECT_NO_THROW(ClearLogFiles(*fs));
    EXPECT_FALSE(exists(r + "/no")) << "only one level is created";
}

TEST_F(Cleanup, FolderThatIsHoldsOrLiesInsideAKeptFolderIsSkippedAndTheRestGoesOn)
{
    struct Row {
        const char *label;
        const char *key;
        std::string value; // the kept folder
        std::string logs;  // the log folder asked for
    };
    const std::string r = inst.root();
    const Row rows[] = {
        {"log folder holds the store", "ZVENVSBAK", r + "/logs/archives", r + "/logs"},
        {"log folder is the locker", "ZVENVSFAM", r + "/logs", r + "/logs"},
        {"log folder inside the program root", "ZVENVSYS32MASK", r + "/logs", r + "/logs/sub"},
        {"store reached through a link", "ZVENVSBAK", r + "/storelink/archives", r + "/logs"},
    };
    ::symlink(inst.logs().c_str(), (r + "/storelink").c_str());
    for (const Row &row : rows) {
        SCOPED_TRACE(row.label);
        EnvironmentScope scope;
        makeFolders(row.logs);
        writeFile(row.logs + "/keep.bak", "k");
        makeFolders(row.value);
        writeFile(row.value + "/archive.dat", "a");
        fill(inst.suiteTemp());
        scope.set(row.key, row.value);
        scope.set("ZVENVSLOGS", row.logs);
        scope.set("ZVENVSTMP", inst.suiteTemp());

        ClearLogFiles(*fs);
        ClearTempFiles(*fs);
        EXPECT_TRUE(exists(row.value + "/archive.dat"));
        EXPECT_TRUE(exists(row.logs + "/keep.bak"));
        EXPECT_TRUE(isEmptyFolder(inst.suiteTemp())) << "the rest of the cleanup stopped";
    }
}

TEST_F(Cleanup, AnEmptyLogFolderValueFallsBackToTheDefaultLikeAMissingOne)
{
    const std::string defaultLogs = inst.root() + "/xdg/state/zorvane/logs";
    writeFile(defaultLogs + "/old.log", "o");
    writeFile(inst.root() + "/xdg/config/zorvane/environment.ini", "[Environment]\nZVENVSLOGS=\n");
    WorkingFolder cwd(inst.root());
    inst.env.set("ZVENVSLOGS", "");

    ClearLogFiles(*fs);
    EXPECT_TRUE(isEmptyFolder(defaultLogs));
}

TEST_F(Cleanup, TheDefaultLogFolderOfANewAccountIsMadeWithItsParents)
{
    inst.env.unset("ZVENVSLOGS");
    ClearLogFiles(*fs);
    EXPECT_TRUE(isEmptyFolder(inst.root() + "/xdg/state/zorvane/logs"));
}

// In a forked child with its own mount namespace: a tmpfs mounted inside the log folder keeps its
// files and its mount point through the clearing. Exit 0 kept, 1 emptied, 2 no namespace allowed.
TEST_F(Cleanup, AFileSystemMountedInsideTheLogFolderIsNeverEntered)
{
    const std::string mountPoint = inst.logs() + "/mnt";
    makeFolders(mountPoint);
    writeFile(inst.logs() + "/old.log", "o");
    const std::optional<int> status = inPrivateMount(mountPoint, nullptr, [&] {
        writeFile(mountPoint + "/mounted.txt", "m");
        ClearLogFiles(*fs);
        return exists(mountPoint + "/mounted.txt") && !exists(inst.logs() + "/old.log") ? 0 : 1;
    });
    if (!status)
        GTEST_SKIP() << "no private mount namespace allowed here";
    EXPECT_EQ(*status, 0) << "the mounted file system was emptied";
}

TEST_F(Cleanup, UserTemporaryFolderKeepsItselfAndLosesItsContents)
{
    fill(inst.userTemp());
    makeFolders(outside());
    writeFile(outside() + "/keep.txt", "k");
    ::symlink(outside().c_str(), (inst.userTemp() + "/link-to-outside").c_str());

    ClearTempFiles(*fs);
    EXPECT_TRUE(isEmptyFolder(inst.userTemp()));
    EXPECT_TRUE(exists(outside() + "/keep.txt"));
}

TEST_F(Cleanup, EntryThatCannotBeDeletedStaysWhileTheOthersGo)
{
    for (const char *name : {"a", "in-use", "z"}) {
        writeFile(inst.userTemp() + "/" + name + ".txt", name);
        makeFolders(inst.userTemp() + "/" + name + "-dir/inner");
        makeFolders(cache() + "/" + name + "-dir");
        writeFile(cache() + "/" + name + ".txt", name);
    }
    fs->failNames = {"in-use.txt", "in-use-dir"};
    ClearTempFiles(*fs);

    EXPECT_EQ(entries(inst.userTemp()), std::vector<std::string>({"in-use-dir", "in-use.txt"}));
    EXPECT_EQ(entries(cache()), std::vector<std::string>({"in-use-dir", "in-use.txt"}));
}

TEST_F(Cleanup, ResetGoesPastAnEntryThatCannotBeDeleted)
{
    struct Row {
        const char *label;
        std::string stuck;                 // below the log folder
        std::vector<std::string> leftOver; // entries of the log folder afterwards
    };
    const Row rows[] = {
        {"file in a sub-folder", "old/stuck.log", {"old"}},
        {"file in a deeper sub-folder", "old/2009/stuck.log", {"old"}},
        {"file at the top", "stuck.log", {"stuck.log"}},
        {"whole sub-folder", "old", {"old"}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.label);
        fill(inst.logs());
        for (const char *sibling : {"a-first/x.log", "z-last/inner/y.log"}) {
            makeFolders(parentPath(inst.logs() + "/" + sibling));
            writeFile(inst.logs() + "/" + sibling, "x");
        }
        makeFolders(parentPath(inst.logs() + "/" + row.stuck));
        writeFile(inst.logs() + "/" + row.stuck, "in use");
        fs->undeletable = {inst.logs() + "/" + row.stuck};

        EXPECT_NO_THROW(ClearLogFiles(*fs));
        EXPECT_EQ(entries(inst.logs()), row.leftOver);
        EXPECT_TRUE(exists(inst.logs() + "/" + row.stuck));
        fs->undeletable.clear();
        wipeBelow(inst.logs());
    }
}

TEST_F(Cleanup, FailedResetOfTheSuiteFolderStillEmptiesTheUserFolders)
{
    fill(inst.suiteTemp());
    writeFile(inst.suiteTemp() + "/in-use.txt", "x");
    fill(inst.userTemp());
    fs->failNames = {"tmp", "in-use.txt"};
    EXPECT_NO_THROW(ClearTempFiles(*fs));
    EXPECT_TRUE(exists(inst.suiteTemp() + "/in-use.txt"));
    EXPECT_TRUE(isEmptyFolder(inst.userTemp()));
}

TEST_F(Cleanup, BrowserCacheIsEmptiedAndHistoryLosesOnlyItsSubFolders)
{
    fill(cache());
    makeFolders(history() + "/History.IE5/MSHist01");
    makeFolders(history() + "/Low");
    writeFile(history() + "/desktop.ini", "d");
    ::symlink(inst.home().c_str(), (history() + "/home-link").c_str());

    ClearTempFiles(*fs);
    EXPECT_TRUE(isEmptyFolder(cache()));
    EXPECT_EQ(entries(history()), std::vector<std::string>({"desktop.ini", "home-link"}));
}

TEST_F(Cleanup, UnusableTempResetsOnlyTheSuiteTemporaryFolder)
{
    const std::string r = inst.root();
    writeFile(inst.home() + "/keep.txt", "k");
    writeFile(inst.home() + "/Local/file.txt", "f");
    ::symlink(inst.userTemp().c_str(), (r + "/templink").c_str());
    WorkingFolder cwd(r);
    const std::vector<std::string> survivors = {inst.userTemp() + "/t/x", inst.userTemp() + "/t.txt", cache() + "/c/x",
                                                cache() + "/c.txt", history() + "/h/x", inst.home() + "/keep.txt"};

    struct Row {
        const char *label;
        std::optional<std::string> temp;
    };
    const Row rows[] = {
        {"unset", std::nullopt},
        {"empty", ""},
        {"relative", "home/Local/Temp"},
        {"missing folder beside the browser folders", inst.home() + "/Local/Gone"},
        {"a file", inst.home() + "/Local/file.txt"},
        {"link to a temporary folder", r + "/templink"},
        {"link with trailing slash", r + "/templink/"},
        {"home", inst.home()},
        {"home with trailing slash", inst.home() + "/"},
        {"ancestor of home", r},
        {"root", "/"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.label);
        for (const std::string &path : survivors) {
            makeFolders(parentPath(path));
            writeFile(path, "s");
        }
        fill(inst.suiteTemp());
        if (row.temp)
            inst.env.set("TEMP", *row.temp);
        else
            inst.env.unset("TEMP");

        EXPECT_NO_THROW(ClearTempFiles(*fs));
        EXPECT_TRUE(isEmptyFolder(inst.suiteTemp()));
        for (const std::string &path : survivors)
            EXPECT_TRUE(exists(path)) << path;
    }
}

TEST_F(Cleanup, FoldersAreLookedUpAfreshAtEachCall)
{
    ClearLogFiles(*fs);
    ClearTempFiles(*fs);
    const std::string logs2 = inst.root() + "/logs2", temp2 = inst.root() + "/home2/Temp";
    const std::string cache2 = inst.root() + "/home2/Temporary Internet Files";
    for (const std::string &folder : {logs2, temp2, cache2})
        fill(folder);
    inst.env.set("ZVENVSLOGS", logs2);
    inst.env.set("TEMP", temp2 + "/");

    ClearLogFiles(*fs);
    ClearTempFiles(*fs);
    for (const std::string &folder : {logs2, temp2, cache2})
        EXPECT_TRUE(isEmptyFolder(folder)) << folder;
}

TEST_F(Cleanup, OpenLogFolderHandsTheLogFolderToTheShellMaximised)
{
    OpenLogFolder();
    ASSERT_EQ(inst.shell->opened.size(), 1u);
    EXPECT_EQ(inst.shell->opened[0], std::make_pair(inst.logs(), 3));
}

} // namespace

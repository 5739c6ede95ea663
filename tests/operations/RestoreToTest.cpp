// Restoring into another folder: whole archives and single entries under free names, nothing
// existing replaced, and the folders it must never write into.
#include "automation/AutomationError.h"
#include "backup_browser/core/RestoreTo.h"
#include "platform/FileSystemObject.h"
#include "platform/Paths.h"
#include "platform/walk/WalkProgress.h"
#include "services/ServiceSet.h"
#include "support/StoreBuilder.h"
#include "support/TestSupport.h"

#include <unistd.h>

using namespace rnx10;
using namespace rnx10::test;

namespace {

class RestoreTo : public ::testing::Test {
protected:
    void SetUp() override
    {
        archive = store.archive(store.hour("09-00"), "arch", inst.home() + "/Documents");
        copy = archive + "/copy";
        makeFolders(target);
    }

    Installation inst;
    const ServiceUse use;
    StoreBuilder store{inst.store(), StoreBuilder::defaultComputer(), QDate(2026, 12, 10)};
    FileSystemObject fso;
    std::string archive, copy, target = inst.home() + "/Restored";
};

TEST_F(RestoreTo, TakenNamesGetTheArchivesDateAndHourAndNothingIsReplaced)
{
    const std::string stamped = " (restored 2026-12-10 09-00)";
    EXPECT_EQ(restoreTo(fso, archive, target), target + "/Documents");
    EXPECT_EQ(restoreTo(fso, archive, target), target + "/Documents" + stamped);
    EXPECT_EQ(restoreTo(fso, archive + "/", target), target + "/Documents" + stamped + " 2");
    for (const char *made : {"/Documents", "/Documents (restored 2026-12-10 09-00)", "/Documents (restored 2026-12-10 09-00) 2"})
        EXPECT_EQ(treeListing(target + made), treeListing(copy)) << made;

    writeFile(target + "/b.txt", "mine");
    EXPECT_EQ(restoreTo(fso, copy + "/sub/b.txt", target), target + "/b.txt" + stamped);
    EXPECT_EQ(readFile(target + "/b.txt"), "mine");
    EXPECT_EQ(readFile(target + "/b.txt" + stamped), "b");
    EXPECT_EQ(restoreTo(fso, copy + "/sub", target), target + "/sub");
    EXPECT_EQ(treeListing(target + "/sub"), treeListing(copy + "/sub"));

    // A link in the copy comes back as the link, never as what it points to.
    ASSERT_EQ(::symlink("/etc", (copy + "/outside").c_str()), 0);
    EXPECT_EQ(restoreTo(fso, copy + "/outside", target), target + "/outside");
    char text[16] = {};
    EXPECT_EQ(::readlink((target + "/outside").c_str(), text, sizeof text - 1), 4);
    EXPECT_STREQ(text, "/etc");

    for (const std::string &entry : treeListing(target))
        EXPECT_EQ(entry.find(".rnx10-restore"), std::string::npos) << entry;
}

// A path ending in ".." or a SourceDir ending in "/..": the name "..", if taken as it is, would
// copy the archive over the target folder itself. The path means the folder it names; the
// SourceDir's name is unusable, so the copy's own name is taken. A relative path is the current
// folder's.
TEST_F(RestoreTo, DotNamesNeverCopyOverTheTargetAndRelativePathsWork)
{
    writeFile(target + "/details.ini", "mine");
    EXPECT_EQ(restoreTo(fso, copy + "/sub/..", target), target + "/Documents");
    const std::string dotted = store.archive(store.hour("10-00"), "dotted", inst.home() + "/Documents/..");
    EXPECT_EQ(restoreTo(fso, dotted, target), target + "/copy");
    EXPECT_EQ(readFile(target + "/details.ini"), "mine");
    EXPECT_EQ(treeListing(target + "/copy"), treeListing(dotted + "/copy"));

    const std::string here = realPath(".");
    ASSERT_EQ(::chdir(copy.c_str()), 0);
    std::string made;
    EXPECT_NO_THROW(made = restoreTo(fso, "sub", target));
    ASSERT_EQ(::chdir(here.c_str()), 0);
    EXPECT_EQ(made, target + "/sub");
}

TEST_F(RestoreTo, RefusesTargetsItMustNotWriteIntoAndPathsOutsideTheCopies)
{
    makeFolders(inst.locker());
    makeFolders(inst.programRoot());
    const std::string storeFolder = store.folder("elsewhere");
    for (const std::string &refused : {storeFolder, inst.locker(), inst.programRoot()}) {
        SCOPED_TRACE(refused);
        const auto before = treeListing(refused);
        expectError(5, [&] { restoreTo(fso, archive, refused); });
        EXPECT_EQ(treeListing(refused), before);
    }
    for (const std::string &notRestorable : {inst.home() + "/Documents", archive + "/details.ini", store.hour("09-00")}) {
        SCOPED_TRACE(notRestorable);
        expectError(5, [&] { restoreTo(fso, notRestorable, target); });
    }
    expectError(76, [&] { restoreTo(fso, archive, target + "/missing"); });
    EXPECT_TRUE(treeListing(target).empty());
}

TEST_F(RestoreTo, CancelLeavesNothingInTheTarget)
{
    walk::WalkProgress progress;
    progress.cancel = true;
    walk::ScopedProgress current(&progress);
    expectError(walk::UserInterrupt, [&] { restoreTo(fso, archive, target); });
    EXPECT_TRUE(treeListing(target).empty());
}

} // namespace

// Restoring into another folder: whole archives and single entries under free names, nothing
// existing replaced, and the folders it must never write into.
#include "automation/AutomationError.h"
#include "store/RestoreTo.h"
#include "platform/FileSystemObject.h"
#include "platform/Paths.h"
#include "platform/walk/WalkProgress.h"
#include "services/ServiceSet.h"
#include "store/FolderRestore.h"
#include "support/InChild.h"
#include "support/RefusedRenameFlags.h"
#include "support/StoreBuilder.h"
#include "support/TestSupport.h"
#include "support/Unprivileged.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

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
    EXPECT_EQ(restoreTo(fso, copy + "/sub/b.txt", target), target + "/b" + stamped + ".txt");
    EXPECT_EQ(readFile(target + "/b.txt"), "mine");
    EXPECT_EQ(readFile(target + "/b" + stamped + ".txt"), "b");
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

// A named pipe comes back as one, alone or in a folder; a socket is not made but named.
TEST_F(RestoreTo, NamedPipesComeBackAndSocketsAreNamed)
{
    ASSERT_EQ(::mkfifo((copy + "/pipe\xFF").c_str(), 0640), 0);
    const std::string socketPath = copy + "/sub/sock";
    const int sock = bindSocketAt(socketPath);
    ASSERT_GE(sock, 0) << socketPath;

    std::vector<std::string> skipped;
    const std::string made = restoreTo(fso, archive, target, &skipped);
    EXPECT_EQ(skipped, std::vector<std::string>{socketPath});
    EXPECT_FALSE(exists(made + "/sub/sock"));
    EXPECT_EQ(restoreTo(fso, copy + "/pipe\xFF", target), target + "/pipe\xFF");
    for (const std::string &pipe : {made + "/pipe\xFF", target + "/pipe\xFF"}) {
        struct stat st{};
        ASSERT_EQ(::lstat(pipe.c_str(), &st), 0) << pipe;
        EXPECT_TRUE(S_ISFIFO(st.st_mode)) << pipe;
        EXPECT_EQ(st.st_mode & 07777, 0640u) << pipe;
    }
    ::close(sock);
}

// A taken file's name keeps its extension last, so it still opens as what it is.
TEST(RestoredName, TheStampGoesBeforeAFilesExtension)
{
    const struct {
        const char *name;
        bool folder;
        int attempt;
        const char *expected;
    } cases[] = {
        {"report.odt", false, 0, "report.odt"},
        {"report.odt", false, 1, "report (restored 2026-12-01 10-00).odt"},
        {"report.odt", false, 3, "report (restored 2026-12-01 10-00) 3.odt"},
        {"bad\xFF.odt", false, 1, "bad\xFF (restored 2026-12-01 10-00).odt"},
        {"notes", false, 1, "notes (restored 2026-12-01 10-00)"},
        {".profile", false, 1, ".profile (restored 2026-12-01 10-00)"},
        {"ends.", false, 1, "ends. (restored 2026-12-01 10-00)"},
        {"photos.2020", true, 2, "photos.2020 (restored 2026-12-01 10-00) 2"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(restoredName({"/from", c.name, "2026-12-01 10-00", c.folder}, c.attempt), c.expected) << c.name;
}

// Staging folders a killed restore left (ours by name and owner, held by no running restore) go
// with the next restore into that folder, Restore To's and the browser's alike; nothing else does.
TEST_F(RestoreTo, StagingFoldersOfAKilledRestoreGoWithTheNextRestoreThere)
{
    for (const std::string &folder : {target, inst.home()}) {
        SCOPED_TRACE(folder);
        const std::string abandoned = folder + "/.rnx10-restore-aB3dEf";
        makeFolders(abandoned + "/half/read-only");
        writeFile(abandoned + "/half/read-only/part", "partial");
        ::chmod((abandoned + "/half/read-only").c_str(), 0555);
        const std::string running = folder + "/.rnx10-restore-Run123";
        makeFolders(running);
        const int held = ::open(running.c_str(), O_RDONLY | O_DIRECTORY);
        ASSERT_EQ(::flock(held, LOCK_EX), 0);
        writeFile(folder + "/.rnx10-restore-file", "a file, not ours to judge");
        const std::string others = folder + "/.rnx10-restore-Other1";
        makeFolders(others);
        const bool otherOwner = ::geteuid() == 0 && ::chown(others.c_str(), unprivilegedUid(), unprivilegedGid()) == 0;

        if (folder == target)
            restoreTo(fso, archive, target);
        else
            restoreFolder(fso, copy, inst.home() + "/Documents", inst.store());

        EXPECT_FALSE(exists(abandoned));
        // It may be a replaced folder caught on its way to the trash: it goes there, not away.
        EXPECT_EQ(readFile(inst.root() + "/xdg/data/Trash/files/.rnx10-restore-aB3dEf" +
                           (folder == target ? "" : ".2") + "/half/read-only/part"),
                  "partial");
        EXPECT_TRUE(exists(running));
        EXPECT_TRUE(exists(folder + "/.rnx10-restore-file"));
        EXPECT_EQ(exists(others), otherOwner);
        ::close(held);
        for (const std::string &kept : {running, others})
            ::rmdir(kept.c_str());
        ::unlink((folder + "/.rnx10-restore-file").c_str());
    }
}

// On a file system without RENAME_NOREPLACE nothing existing is replaced either: an empty folder
// or a file of the user's at the name keeps it, and the browser's restore still swaps and trashes.
TEST_F(RestoreTo, WithoutRenameFlagsNothingIsReplacedAndRestoresStillWork)
{
    makeFolders(target + "/Documents"); // empty: a plain rename would replace it
    writeFile(target + "/b.txt", "mine");
    const std::string source = inst.home() + "/Documents";
    makeFolders(source);
    writeFile(source + "/only-before.txt", "the user's");
    const int status = inChild([&] {
        if (!refuseRenameFlagsFromThisThread())
            return 77;
        if (restoreTo(fso, archive, target) != target + "/Documents (restored 2026-12-10 09-00)")
            return 1;
        if (restoreTo(fso, copy + "/sub/b.txt", target) != target + "/b (restored 2026-12-10 09-00).txt")
            return 2;
        if (restoreFolder(fso, copy, source, inst.store()).fate != ReplacedFolder::Fate::Trashed)
            return 3;
        return 0;
    });
    if (status == 77)
        GTEST_SKIP() << "no seccomp filter here";
    ASSERT_EQ(status, 0) << "1: the folder, 2: the file not restored under a free name, 3: restore or trash";
    EXPECT_TRUE(treeListing(target + "/Documents").empty());
    EXPECT_EQ(readFile(target + "/b.txt"), "mine");
    EXPECT_EQ(treeListing(target + "/Documents (restored 2026-12-10 09-00)"), treeListing(copy));
    EXPECT_EQ(treeListing(source), treeListing(copy));
    EXPECT_EQ(readFile(inst.root() + "/xdg/data/Trash/files/Documents/only-before.txt"), "the user's");
    for (const std::string &entry : treeListing(target))
        EXPECT_EQ(entry.find(".rnx10-restore"), std::string::npos) << entry;
}

// As an ordinary account, read-only folders come back read-only, names that are not UTF-8 as they
// are, and a failure names the archive's entry, never a staging folder that is gone.
TEST(RestoreToAsUser, ReadOnlyFoldersAreRestoredAndErrorsNameTheArchive)
{
    const std::optional<int> status = asOrdinaryAccount([](const std::string &home) {
        ::setenv("TMPDIR", home.c_str(), 1);
        Installation inst;
        const ServiceUse use;
        StoreBuilder store{inst.store(), StoreBuilder::defaultComputer(), QDate(2026, 12, 10)};
        FileSystemObject fso;
        const std::string archive = store.archive(store.hour("09-00"), "arch", inst.home() + "/Docs\xFF", {},
                                                  {{"ro\xFF/inner/f.txt", "f"}, {"secret.odt", "s"}});
        const std::string copy = archive + "/copy", target = inst.home() + "/Restored";
        makeFolders(target);
        for (const char *folder : {"/ro\xFF/inner", "/ro\xFF", ""})
            ::chmod((copy + folder).c_str(), 0555);
        const auto modeOf = [](const std::string &path) {
            struct stat st{};
            return ::lstat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0u;
        };
        // Each fault its own bit, so one run tells them all.
        int faults = 0;
        try {
            if (restoreTo(fso, archive, target) != target + "/Docs\xFF" || modeOf(target + "/Docs\xFF") != 0555
                || modeOf(target + "/Docs\xFF/ro\xFF/inner") != 0555 || treeListing(target + "/Docs\xFF") != treeListing(copy))
                faults |= 1;
        } catch (const AutomationError &) {
            faults |= 1;
        }
        try {
            if (restoreTo(fso, copy + "/ro\xFF", target) != target + "/ro\xFF" || modeOf(target + "/ro\xFF") != 0555)
                faults |= 2;
        } catch (const AutomationError &) {
            faults |= 2;
        }
        ::chmod(copy.c_str(), 0755);
        ::chmod((copy + "/secret.odt").c_str(), 0);
        try {
            restoreTo(fso, copy + "/secret.odt", target);
            faults |= 4;
        } catch (const AutomationError &e) {
            if (e.number() != 70 || e.description().find(copy + "/secret.odt") == std::string::npos)
                faults |= 8;
        }
        for (const std::string &entry : treeListing(target))
            if (entry.find(".rnx10-restore") != std::string::npos)
                faults |= 16;
        return faults;
    });
    if (!status)
        GTEST_SKIP() << "cannot become an ordinary account here";
    EXPECT_EQ(*status, 0) << "bits: 1 the whole archive, 2 a read-only folder of it, 4 an unreadable file restored, "
                             "8 the error does not name the archive's file, 16 a staging folder left";
}

} // namespace

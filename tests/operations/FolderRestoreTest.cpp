#include "FailingCopyFileSystem.h"

#include "automation/AutomationError.h"
#include "store/FolderRestore.h"
#include "platform/FileSystemObject.h"
#include "platform/Paths.h"
#include "platform/walk/WalkProgress.h"
#include "services/ServiceSet.h"
#include "support/ScopedFactory.h"
#include "support/StoreBuilder.h"
#include "support/TestSupport.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <filesystem>
#include <unistd.h>

using namespace rnx10;
using namespace rnx10::test;

namespace {

class FolderRestore : public ::testing::Test {
protected:
    void SetUp() override
    {
        source = inst.home() + "/Documents";
        makeFolders(source + "/old");
        writeFile(source + "/a.txt", "old a");
        writeFile(source + "/only-in-source.txt", "extra");
        archive = store.archive(store.hour("0900"), "arch1", source);
        copy = archive + "/copy";
    }

    Installation inst;
    StoreBuilder store{inst.store(), "PC01", QDate(2026, 12, 10)};
    FileSystemObject fso;
    std::string source, archive, copy;
};

TEST_F(FolderRestore, SourceEndsHoldingExactlyTheCopyAndTheCopyIsUntouched)
{
    const auto copyBefore = treeListing(copy);
    restoreFolder(fso, copy, source, inst.store());
    EXPECT_EQ(treeListing(source), copyBefore);
    EXPECT_EQ(treeListing(copy), copyBefore);
    for (const auto &entry : treeListing(inst.home()))
        EXPECT_EQ(entry.find(".rnx10-restore"), std::string::npos) << entry;
}

TEST_F(FolderRestore, MissingSourceIsCreatedButItsParentMustExist)
{
    const std::string fresh = inst.home() + "/New";
    restoreFolder(fso, copy, fresh, inst.store());
    EXPECT_EQ(treeListing(fresh), treeListing(copy));

    expectError(76, [&] { restoreFolder(fso, copy, inst.home() + "/no/such", inst.store()); });
    EXPECT_FALSE(exists(inst.home() + "/no"));
}

TEST_F(FolderRestore, FailedCopyLeavesTheSourceAsItWasAndNoPartialFolder)
{
    FailingCopyFileSystem failing;
    const auto homeBefore = treeListing(inst.home());
    EXPECT_THROW(restoreFolder(failing, copy, source, inst.store()), AutomationError);
    EXPECT_EQ(treeListing(inst.home()), homeBefore);
}

struct Attributes {
    const char *rel;
    mode_t mode;
    long modified;
};

void setAttributes(const std::string &root, const Attributes &a)
{
    const std::string path = a.rel[0] ? root + "/" + a.rel : root;
    ASSERT_EQ(::chmod(path.c_str(), a.mode), 0) << path;
    const struct timespec when[2] = {{a.modified, 0}, {a.modified, 500}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), when, 0), 0) << path;
}

void expectAttributes(const std::string &root, const Attributes &a)
{
    const std::string path = a.rel[0] ? root + "/" + a.rel : root;
    struct stat st{};
    ASSERT_EQ(::lstat(path.c_str(), &st), 0) << path;
    EXPECT_EQ(st.st_mode & 07777, a.mode) << path;
    EXPECT_EQ(st.st_mtim.tv_sec, a.modified) << path;
    EXPECT_EQ(st.st_mtim.tv_nsec, 500) << path;
}

// As cp -a does: the restored folder and everything in it get the archive's modes and times; the
// user's folder does not end private because the copy was made in a private folder.
TEST_F(FolderRestore, RestoredFolderKeepsTheModesAndTimesOfTheCopy)
{
    // Files first, then the folders holding them: a folder's time changes as entries are made.
    const Attributes attributes[] = {
        {"a.txt", 0640, 1300000001}, {"sub/b.txt", 0600, 1300000002}, {"sub", 0750, 1300000003}, {"", 0755, 1300000004}};
    for (const Attributes &a : attributes)
        setAttributes(copy, a);
    ASSERT_EQ(::chmod(source.c_str(), 0700), 0);
    restoreFolder(fso, copy, source, inst.store());
    for (const Attributes &a : attributes)
        expectAttributes(source, a);
}

// A source kept on another disk and linked back: the folder it points to gets the copy, the link
// stays as it was.
TEST_F(FolderRestore, SourceThatIsALinkIsRestoredIntoTheFolderItPointsTo)
{
    const std::string disk = inst.root() + "/disk/Documents";
    makeFolders(disk + "/old");
    writeFile(disk + "/only-on-disk.txt", "extra");
    const struct {
        const char *name;
        std::string linkText;
    } rows[] = {{"absolute link", disk}, {"relative link", "../disk/Documents"}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const std::string link = inst.home() + "/Linked";
        ASSERT_EQ(::symlink(row.linkText.c_str(), link.c_str()), 0);
        const auto diskParent = treeListing(inst.root() + "/disk");
        restoreFolder(fso, copy, link, inst.store());
        ASSERT_TRUE(fso.isLink(link));
        char text[4096] = {};
        ASSERT_GT(::readlink(link.c_str(), text, sizeof text - 1), 0);
        EXPECT_EQ(std::string(text), row.linkText);
        EXPECT_EQ(treeListing(disk), treeListing(copy));
        for (const std::string &folder : {inst.home(), inst.root() + "/disk"})
            for (const auto &entry : treeListing(folder))
                EXPECT_EQ(entry.find(".rnx10-restore"), std::string::npos) << entry;
        ::unlink(link.c_str());
    }
}

// A copy that fails on one file of the archive, naming it where the copy was going, as the walk does.
class FailingFileFileSystem : public FileSystemObject {
public:
    void copyFolder(const std::string &source, const std::string &destination, bool overwrite) override
    {
        FileSystemObject::copyFolder(source, destination, overwrite);
        throw err::pathFileAccess(destination + "/sub/b.txt (No space left on device)");
    }
};

// The staging folder is gone by the time the user reads the error: it names the archive's file.
TEST_F(FolderRestore, CopyErrorNamesTheArchivesFileNotTheRemovedStagingFolder)
{
    FailingFileFileSystem failing;
    const AutomationError full = expectError(75, [&] { restoreFolder(failing, copy, source, inst.store()); });
    EXPECT_EQ(full.description(), "Path/File access error: " + copy + "/sub/b.txt (No space left on device)");
}

TEST_F(FolderRestore, UnreadableFileOfTheArchiveIsNamedInTheError)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    ASSERT_EQ(::chmod((copy + "/sub/b.txt").c_str(), 0), 0);
    const AutomationError unreadable = expectError(70, [&] { restoreFolder(fso, copy, source, inst.store()); });
    ::chmod((copy + "/sub/b.txt").c_str(), 0644);
    EXPECT_EQ(unreadable.description(), "Permission denied: " + copy + "/sub/b.txt");
}

// A copy that Cancel stopped part-way: the walk raised 18 and the job's progress still asks to stop.
class CancelledCopyFileSystem : public FileSystemObject {
public:
    void copyFolder(const std::string &source, const std::string &destination, bool overwrite) override
    {
        FileSystemObject::copyFolder(source, destination, overwrite);
        walk::threadProgress()->cancel = true;
        throw walk::interrupted();
    }
};

TEST_F(FolderRestore, CopyStoppedByCancelIsRemovedWhileTheCancelStillStands)
{
    walk::WalkProgress progress;
    walk::ScopedProgress job(&progress);
    CancelledCopyFileSystem cancelled;
    const auto homeBefore = treeListing(inst.home());
    expectError(walk::UserInterrupt, [&] { stageRestore(cancelled, copy, source, inst.store()); });
    EXPECT_EQ(treeListing(inst.home()), homeBefore);
}

TEST_F(FolderRestore, RefusedTargetsChangeNothing)
{
    const std::string link = inst.home() + "/store-link";
    ASSERT_EQ(::symlink(inst.store().c_str(), link.c_str()), 0);
    // A source that is a link is judged by the folder it points to.
    const std::string toHome = inst.home() + "/Documents/home-link", toRoot = inst.home() + "/Documents/root-link";
    ASSERT_EQ(::symlink(inst.home().c_str(), toHome.c_str()), 0);
    ASSERT_EQ(::symlink("/", toRoot.c_str()), 0);
    ASSERT_EQ(::symlink(copy.c_str(), (inst.home() + "/Documents/copy-link").c_str()), 0);
    const struct {
        const char *name;
        std::string target;
    } refused[] = {
        {"registry keys", "REGKEYS"},
        {"empty", ""},
        {"relative", "Documents"},
        {"dotted", inst.home() + "/Documents/../Documents"},
        {"root", "/"},
        {"doubled root", "//"},
        {"home", inst.home()},
        {"home with a trailing slash", inst.home() + "/"},
        {"ancestor of home", inst.root()},
        {"store root", inst.store()},
        {"inside the store", store.computer() + "/2026"},
        {"inside the store through a link", link + "/PC01"},
        {"a link to the store", link},
        {"a link to the home folder", toHome},
        {"a link to the root", toRoot},
        {"a link to the copy", inst.home() + "/Documents/copy-link"},
        {"a folder holding the store", inst.root()},
        {"inside the copy", copy + "/sub"},
        {"the copy itself", copy},
    };
    const auto before = treeListing(inst.root());
    for (const auto &r : refused) {
        SCOPED_TRACE(r.name);
        const AutomationError e = expectError(5, [&] { restoreFolder(fso, copy, r.target, inst.store()); });
        EXPECT_NE(e.description().find("nothing was changed"), std::string::npos) << e.description();
    }
    EXPECT_EQ(treeListing(inst.root()), before);
}

TEST_F(FolderRestore, ACopyThatIsAFileAndAnArchiveWithoutSourceAreToldAsSuch)
{
    writeFile(archive + "/file", "x");
    const AutomationError file = expectError(75, [&] { restoreFolder(fso, archive + "/file", source, inst.store()); });
    EXPECT_NE(file.description().find("is not a folder"), std::string::npos) << file.description();
    const AutomationError empty = expectError(5, [&] { checkRestoreTarget("", inst.store()); });
    EXPECT_NE(empty.description().find("the archive names no source folder"), std::string::npos) << empty.description();
}

TEST_F(FolderRestore, TargetsInTheRealStoreTreeTheLockerOrTheProgramFolderAreRefused)
{
    ServiceUse instance; // the locker and the program folder come from the runtime service
    makeFolders(inst.locker() + "/notes");
    makeFolders(inst.programRoot() + "/1.0");
    const auto check = [&](const std::string &target, const std::string &storeRoot, const char *named) {
        SCOPED_TRACE(target);
        const AutomationError e = expectError(5, [&] { checkRestoreTarget(target, storeRoot); });
        EXPECT_NE(e.description().find(named), std::string::npos) << e.description();
    };
    check(inst.locker(), inst.store(), "the locker");
    check(inst.locker() + "/notes", inst.store(), "the locker");
    check(inst.programRoot() + "/1.0", inst.store(), "the program's folder");
    // A store moved to a bigger disk and linked back: its real tree is refused as the store is.
    for (const LinkedStore &linked : linkedStores(inst.root() + "/live", inst.root() + "/disk")) {
        SCOPED_TRACE(linked.name);
        makeFolders(linked.realComputer + "/2026/12");
        makeFolders(parentPath(linked.linkAt));
        ASSERT_EQ(::symlink(linked.target.c_str(), linked.linkAt.c_str()), 0);
        check(linked.realComputer + "/2026", linked.storeRoot, "the backup store");
        check(linked.realComputer, linked.storeRoot, "the backup store");
        check(parentPath(linked.realComputer), linked.storeRoot, "the backup store");
        ASSERT_EQ(::unlink(linked.linkAt.c_str()), 0);
        std::filesystem::remove_all(inst.root() + "/disk");
    }
}

TEST_F(FolderRestore, LinksAreCopiedAsLinksAndReadOnlyEntriesKeepTheirModes)
{
    const std::string outside = inst.home() + "/elsewhere";
    makeFolders(outside);
    writeFile(outside + "/target.txt", "target");
    ASSERT_EQ(::symlink(outside.c_str(), (copy + "/folder-link").c_str()), 0);
    ASSERT_EQ(::symlink("a.txt", (copy + "/file-link").c_str()), 0);
    ::chmod((copy + "/sub/b.txt").c_str(), 0444);
    ::chmod((copy + "/sub").c_str(), 0555);
    // The old source holds a link too: it goes as a link, its target stays.
    ASSERT_EQ(::symlink(outside.c_str(), (source + "/old-link").c_str()), 0);

    restoreFolder(fso, copy, source, inst.store());

    char buf[256] = {};
    ASSERT_GT(::readlink((source + "/folder-link").c_str(), buf, sizeof buf - 1), 0);
    EXPECT_EQ(std::string(buf), outside);
    EXPECT_FALSE(exists(source + "/old-link"));
    EXPECT_EQ(readFile(outside + "/target.txt"), "target");
    struct stat st{};
    ASSERT_EQ(::stat((source + "/sub/b.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0444u);
    ASSERT_EQ(::stat((source + "/sub").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0555u);

    restoreFolder(fso, copy, source, inst.store()); // again, over the read-only tree
    EXPECT_EQ(readFile(source + "/sub/b.txt"), "b");
    ::chmod((copy + "/sub").c_str(), 0755);
    ::chmod((source + "/sub").c_str(), 0755);
}

TEST_F(FolderRestore, NamesThatAreNotUtf8Survive)
{
    const std::string odd = copy + "/caf\xe9-\xff";
    makeFolders(odd);
    writeFile(odd + "/n\xe4me.txt", "latin-1");
    const std::string oddSource = inst.home() + "/Docs-\xfe";
    restoreFolder(fso, copy, oddSource, inst.store());
    EXPECT_EQ(readFile(oddSource + "/caf\xe9-\xff/n\xe4me.txt"), "latin-1");
}

} // namespace

namespace {

TEST_F(FolderRestore, SourceOnAnotherFileSystemThanTheStore)
{
    struct stat shm{}, scratch{};
    if (::stat("/dev/shm", &shm) != 0 || ::stat(inst.root().c_str(), &scratch) != 0 || shm.st_dev == scratch.st_dev ||
        ::access("/dev/shm", W_OK) != 0)
        GTEST_SKIP() << "no writable /dev/shm on a file system of its own";
    char name[] = "/dev/shm/rnx10-restore-test-XXXXXX";
    ASSERT_TRUE(::mkdtemp(name));
    const std::string other = std::string(name) + "/docs";
    makeFolders(other + "/old");
    restoreFolder(fso, copy, other, inst.store());
    EXPECT_EQ(treeListing(other), treeListing(copy));
    std::filesystem::remove_all(name);
}

} // namespace

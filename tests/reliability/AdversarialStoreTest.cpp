// Every browser operation and the maintenance cleanup over the adversarial store: the decided
// outcome, a message where the user acted, no crash, and nothing outside the store changed.
#include "AdversarialStore.h"

#include "support/BrowserFixture.h"
#include "support/ScopedFactory.h"

#include "automation/AutomationError.h"
#include "automation/ObjectRegistry.h"
#include "backup_browser/ArchiveListView.h"
#include "backup_browser/frmBackUpRestoreA.h"
#include "component/clsRNX10A.h"
#include "maintenance/core/MaintainceLogs.h"
#include "platform/ComputerName.h"
#include "platform/FileSystemObject.h"
#include "platform/Paths.h"
#include "services/ProgIds.h"
#include "services/ServiceSet.h"

#include <QApplication>
#include <QComboBox>

#include <filesystem>

using namespace rnx10;
using namespace rnx10::test;

namespace {

// A folder that cannot be read (root reads every folder, so the failure is injected here): any
// walk that would enter it, and any deletion that would reach it, raises 70.
class UnreadableFolder : public FileSystemObject {
public:
    explicit UnreadableFolder(std::string folder) : m_folder(std::move(folder)) {}
    std::uint64_t folderSize(const std::string &path) override { return check(path), FileSystemObject::folderSize(path); }
    std::vector<std::string> subFolders(const std::string &path) override
    {
        return check(path), FileSystemObject::subFolders(path);
    }
    void deleteFolder(const std::string &path, bool force) override
    {
        check(path);
        FileSystemObject::deleteFolder(path, force);
    }

private:
    void check(const std::string &path) const
    {
        if (m_folder == path || m_folder.starts_with(path + "/"))
            throw err::permissionDenied(m_folder);
    }
    std::string m_folder;
};

class Hostile : public BrowserFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(open());
        // The first scan marks the store and locker hidden beside them: that is its job.
        before = outsideStore();
    }
    void TearDown() override
    {
        BrowserFixture::TearDown();
        // QTemporaryDir cannot remove names that are not UTF-8.
        std::filesystem::remove_all(inst.root());
    }

    std::string outsideStore(std::vector<std::string> skip = {})
    {
        skip.push_back(inst.store());
        return treeSnapshot(inst.root(), skip);
    }
    void expectOutsideUnchanged(std::vector<std::string> skip = {}) { EXPECT_EQ(outsideStore(skip), before); }

    AdversarialStore hostile{inst, store};
    std::string before;
};

TEST_F(Hostile, ScanListAndSelectionShowEveryArchiveAndChangeNothing)
{
    // "+Y" and " Y" select the canonical year as "Y" does: the day's one hour is listed once.
    EXPECT_EQ(m_window->statusText(1), "1 archives found.");
    pickHour("09-00");
    EXPECT_EQ(rowCount(), 11);
    for (int r = 0; r < rowCount(); ++r)
        clickRow(r); // binary and 10 MB details, odd names, loops: each row selectable
    select(store.hour("09-00") + "/loops/copy");
    EXPECT_NE(m_window->statusText(2).find("Size : 0 MB"), std::string::npos); // loops cost nothing
    clearAndTrigger("mnuPopUpOpenFolder");
    ASSERT_FALSE(inst.shell->opened.empty());
    EXPECT_EQ(inst.shell->opened.back().first, store.hour("09-00") + "/loops/copy");
    expectOutsideUnchanged();
}

TEST_F(Hostile, ArchiveDeletionRemovesOnlyArchivesOfTheHourAndNeverALinkTarget)
{
    pickHour("09-00");
    struct Case {
        std::string copy;
        bool deleted;
    };
    const std::string hour = store.hour("09-00");
    const Case cases[] = {
        {hostile.outside() + "/victim", false},
        {store.computer(), false},
        {hour + "/loops/copy", true},
        {hour + "/" + AdversarialStore::kNotUtf8 + "/copy", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.copy);
        select(c.copy);
        clearAndTrigger("mnuPopUpDeleteArchive");
        EXPECT_EQ(boxes().front().title, "Delete Archive...");
        if (c.deleted) {
            EXPECT_FALSE(exists(parentPath(c.copy)));
            EXPECT_EQ(lastText(), "Succesfully deleted...");
            pickHour("09-00"); // the deletion rescanned
        } else {
            EXPECT_TRUE(exists(c.copy));
            EXPECT_EQ(boxes().back().icon, Icon::Critical);
            EXPECT_NE(lastText().find("nothing was deleted"), std::string::npos);
        }
    }
    // details.ini cannot name a copy whose name holds a line break: the row shows what the file
    // yields, and deleting it finds no such copy.
    select(hour + "/two");
    clearAndTrigger("mnuPopUpDeleteArchive");
    EXPECT_NE(lastText().find("Path not found"), std::string::npos);
    EXPECT_TRUE(exists(hour + "/" + AdversarialStore::kNewline + "/copy/a.txt"));
    EXPECT_TRUE(exists(hour + "/normal/details.ini"));
    expectOutsideUnchanged();
}

TEST_F(Hostile, RestoreRefusesRootHomeAndStoreAndReplacesOnlyItsSource)
{
    before = outsideStore({hostile.source()});
    pickHour("09-00");
    const std::string hour = store.hour("09-00");
    for (const char *refused : {"root-source", "home-source", "registry"}) {
        SCOPED_TRACE(refused);
        select(hour + "/" + refused + "/copy");
        clearAndTrigger("mnuPopUpStartRestore");
        ASSERT_EQ(boxes().size(), 1u);
        EXPECT_EQ(boxes()[0].icon, Icon::Critical);
    }
    select(hour + "/loops/copy"); // its links are copied as links: nothing followed
    clearAndTrigger("mnuPopUpStartRestore");
    EXPECT_EQ(firstLine(lastText()), "Done...");
    EXPECT_EQ(treeSnapshot(hostile.source(), {}), treeSnapshot(hour + "/loops/copy", {}));
    // The folder the restore replaced went to the trash, whole; nothing else outside changed.
    const std::string trash = inst.root() + "/xdg/data/Trash";
    const std::string name = std::filesystem::path(hostile.source()).filename().string();
    EXPECT_TRUE(std::filesystem::is_directory(trash + "/files/" + name));
    EXPECT_TRUE(exists(trash + "/info/" + name + ".trashinfo"));
    expectOutsideUnchanged({hostile.source(), trash});
}

TEST_F(Hostile, LevelDeletionsThroughALinkedDayNeverLeaveTheStore)
{
    // A day folder that is a link is not listed through: the scan tells it and lists no hour.
    pickDate(AdversarialStore::kLinkedDay);
    EXPECT_FALSE(m_window->statusText(2).empty());
    EXPECT_EQ(child<QComboBox>("lstTime")->count(), 0);
    clearAndTrigger("mnuPopUpDeleteDay"); // the day is the link itself: no level below the computer folder is followed
    EXPECT_EQ(boxes().back().icon, Icon::Critical);
    EXPECT_NE(lastText().find("outside the backup store"), std::string::npos) << lastText();
    EXPECT_TRUE(exists(hostile.outside() + "/day/07-00/arch/copy/keep.txt"));
    clearAndTrigger("mnuPopUpDeleteYear");
    EXPECT_EQ(lastText(), "Succesfully deleted...");
    EXPECT_FALSE(exists(store.computer() + "/" + std::to_string(AdversarialStore::kLinkedDay.year())));
    expectOutsideUnchanged();

    // Today's day folder swapped for a link out of the store after the hour was picked.
    pickDate(QDate::currentDate());
    pickHour("09-00");
    const std::string day = store.day(QDate::currentDate());
    ASSERT_EQ(::rename(day.c_str(), (day + "-moved").c_str()), 0);
    ASSERT_EQ(::symlink((hostile.outside() + "/day").c_str(), day.c_str()), 0);
    makeFolders(hostile.outside() + "/day/09-00/kept");
    before = outsideStore();
    clearAndTrigger("mnuPopUpDeleteHour");
    EXPECT_EQ(boxes().back().icon, Icon::Critical);
    EXPECT_NE(lastText().find("outside the backup store"), std::string::npos) << lastText();
    expectOutsideUnchanged();
}

TEST_F(Hostile, UnreadableFoldersStopOnlyTheirWalkAndAreTold)
{
    pickHour("09-00");
    {
        // An unreadable source: the row click shows no sizes and says nothing, as for a missing one.
        ScopedFileSystem unreadable(std::make_shared<UnreadableFolder>(hostile.source()));
        rnx = std::make_unique<clsRNX10A>();
        select(store.hour("09-00") + "/normal/copy");
        EXPECT_EQ(m_window->statusText(1).find(hostile.source()), std::string::npos) << m_window->statusText(1);
        EXPECT_TRUE(boxes().empty());
    }
    {
        // Unreadable inside the store: the scan (this file system refuses the folders above it too) fails and is told.
        ScopedFileSystem unreadable(std::make_shared<UnreadableFolder>(store.hour("09-00") + "/loops/copy/sub"));
        rnx = std::make_unique<clsRNX10A>();
        m_window->AddinTV();
        EXPECT_NE(m_window->statusText(2).find("Permission denied"), std::string::npos) << m_window->statusText(2);
        EXPECT_EQ(child<QComboBox>("lstTime")->count(), 0);
        clearAndTrigger("mnuPopUpDeleteDay");
        EXPECT_EQ(lastText(), "No day is selected.");
    }
    expectOutsideUnchanged();
}

TEST_F(Hostile, YearWithBlanksOnlyStopsTheScanAndTellsWhy)
{
    pickDate(AdversarialStore::kBlankYear);
    EXPECT_NE(m_window->statusText(2).find("not found"), std::string::npos) << m_window->statusText(2);
    EXPECT_TRUE(child<QComboBox>("lstTime")->count() == 0);
    clearAndTrigger("mnuPopUpDeleteHour");
    EXPECT_EQ(lastText(), "No hour is selected.");
    expectOutsideUnchanged();
}

TEST_F(Hostile, TenThousandHoursAreListedAndDeletedWithTheirDay)
{
    pickDate(AdversarialStore::kManyHours);
    EXPECT_EQ(m_window->statusText(1), std::to_string(AdversarialStore::kHours) + " archives found.");
    clearAndTrigger("mnuPopUpDeleteDay");
    EXPECT_EQ(lastText(), "Succesfully deleted...");
    EXPECT_FALSE(exists(store.day(AdversarialStore::kManyHours)));
    expectOutsideUnchanged();
}

TEST_F(Hostile, ReportWalksEveryFolderWithoutFollowingLinks)
{
    click("cmdReport");
    const std::string report = readFile(m_window->ReportFilePath());
    EXPECT_NE(report.find(AdversarialStore::kNotUtf8), std::string::npos);
    EXPECT_EQ(report.find("/self"), std::string::npos);
    EXPECT_EQ(report.find("/out\r\n"), std::string::npos);
    EXPECT_GT(std::count(report.begin(), report.end(), '\n'), AdversarialStore::kHours);
    expectOutsideUnchanged();
}

TEST_F(Hostile, CleanupEmptiesOnlyItsFoldersAndLeavesLinkTargets)
{
    const std::string logs = inst.logs();
    makeFolders(logs + "/nested/deeper");
    writeFile(logs + "/" + AdversarialStore::kNotUtf8, "x");
    writeFile(logs + "/" + AdversarialStore::kNewline, "x");
    ASSERT_EQ(::symlink(hostile.outside().c_str(), (logs + "/out").c_str()), 0);
    ASSERT_EQ(::symlink(".", (logs + "/nested/self").c_str()), 0);
    makeFolders(inst.userTemp() + "/sub");
    ASSERT_EQ(::symlink(inst.home().c_str(), (inst.userTemp() + "/home-link").c_str()), 0);
    before = outsideStore({logs, inst.suiteTemp(), inst.userTemp()});
    FileSystemObject fs;
    ClearLogFiles(fs);
    ClearTempFiles(fs);
    EXPECT_EQ(treeSnapshot(logs, {}), " mode=40755\n");
    EXPECT_EQ(treeSnapshot(inst.userTemp(), {}), " mode=40755\n");
    expectOutsideUnchanged({logs, inst.suiteTemp(), inst.userTemp()});
    // TEMP naming the (scratch) home folder: skipped. "/" is tried behind a fence in the
    // maintenance tests, never on the real root here.
    inst.env.set("TEMP", inst.home());
    ClearTempFiles(fs);
    expectOutsideUnchanged({logs, inst.suiteTemp(), inst.userTemp()});
}

} // namespace

namespace {

TEST(HostileRoot, StoreRootWithALineBreakIsScannedAndItsParentsListStaysAsItWas)
{
    Installation inst;
    const std::string root = inst.root() + "/two\nlines";
    inst.env.set("ZVENVSBAK", root);
    writeFile(inst.root() + "/.hidden", "locker\n");
    clsRNX10A rnx;
    std::int32_t hwnd = 0;
    for (int scan = 0; scan < 2; ++scan) {
        rnx.ExecuteSupportCenter(hwnd, "RNXRUN_BR");
        if (frmBackUpRestoreA *b = shownBrowser())
            b->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    EXPECT_TRUE(exists(root + "/" + GetMachineName()));
    EXPECT_EQ(readFile(inst.root() + "/.hidden"), "locker\n");
}

} // namespace

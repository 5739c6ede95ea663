// The scan of the store for one date.
#include "UnreadableFileSystem.h"

#include "store/ArchiveList.h"
#include "store/MountPoint.h"
#include "store/StoreScan.h"
#include "platform/ComputerName.h"
#include "support/ScopedFactory.h"
#include "support/StoreFixture.h"

#include <sys/stat.h>

using namespace rnx10;
using namespace rnx10::test;

namespace {

class StoreScanTest : public StoreFixture {};

using Hours = std::vector<std::string>;

TEST_F(StoreScanTest, MissingRootIsCreatedAndHiddenWithTheLocker)
{
    const std::string root = inst.root() + "/fresh/store";
    const std::string locker = inst.root() + "/fresh/locker";
    inst.env.set("ZVENVSBAK", root);
    inst.env.set("ZVENVSFAM", locker);
    const ScanResult scan = scanStore(fso, 2026, 12, 10);
    ASSERT_FALSE(scan.error) << scan.error->description();
    EXPECT_TRUE(FileSystemObject().folderExists(root + "/" + GetMachineName()));
    EXPECT_TRUE(FileSystemObject().folderExists(locker));
    EXPECT_EQ(readFile(inst.root() + "/fresh/.hidden"), "locker\nstore\n");
    EXPECT_EQ(scan.status, "No archives found.");
    EXPECT_TRUE(scan.hours.empty());
    EXPECT_EQ(scan.folders.YearFolder, "");
    EXPECT_EQ(scan.folders.BackupDrive, mountPointOf(fso, root));
    EXPECT_EQ(scan.lockerToolTip, scan.folders.ComputerFolder + ", Size : 0 MB");
    // Marking again lists each name once.
    scanStore(fso, 2026, 12, 10);
    EXPECT_EQ(readFile(inst.root() + "/fresh/.hidden"), "locker\nstore\n");
}

// Marking a folder hidden fails for the folders named, as it does when their parent folder (a mount
// root) belongs to another user; for root, where permissions do not bite, this is the only way.
class HiddenMarkRefused : public FileSystemObject {
public:
    explicit HiddenMarkRefused(std::vector<std::string> refused) : m_refused(std::move(refused)) {}
    void markHiddenOnly(const std::string &path) override
    {
        if (std::find(m_refused.begin(), m_refused.end(), path) != m_refused.end())
            throw err::permissionDenied(path);
        FileSystemObject::markHiddenOnly(path);
    }

private:
    std::vector<std::string> m_refused;
};

TEST_F(StoreScanTest, HiddenMarkingThatFailsDoesNotStopTheScan)
{
    store.folder("2026/12/10/09-00");
    const struct {
        const char *name;
        std::vector<std::string> refused;
    } rows[] = {
        {"store root", {inst.store()}},
        {"locker", {inst.locker()}},
        {"both", {inst.store(), inst.locker()}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        HiddenMarkRefused refusing(row.refused);
        const ScanResult scan = scanStore(refusing, 2026, 12, 10);
        EXPECT_FALSE(scan.error) << scan.error->description();
        EXPECT_EQ(scan.hours, (Hours{"09-00"}));
        EXPECT_EQ(scan.status, "1 archives found.");
        EXPECT_EQ(scan.folders.DayFolder, store.computer() + "/2026/12/10");
    }
}

TEST_F(StoreScanTest, StoreWhoseParentIsReadOnlyIsScanned)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into a read-only folder";
    // A store and a locker at the root of a disk mounted into a folder that belongs to root.
    const std::string mount = inst.root() + "/media/disk";
    StoreBuilder onDisk(mount + "/store");
    onDisk.folder("2026/12/10/09-00");
    makeFolders(mount + "/locker");
    inst.env.set("ZVENVSBAK", mount + "/store");
    inst.env.set("ZVENVSFAM", mount + "/locker");
    ASSERT_EQ(::chmod(mount.c_str(), 0555), 0);
    const ScanResult scan = scanStore(fso, 2026, 12, 10);
    ::chmod(mount.c_str(), 0755);
    EXPECT_FALSE(scan.error) << scan.error->description();
    EXPECT_EQ(scan.hours, (Hours{"09-00"}));
    EXPECT_EQ(scan.status, "1 archives found.");
    EXPECT_FALSE(exists(mount + "/.hidden"));
}

TEST_F(StoreScanTest, ListsTheHoursOfTheDayWithFolderVariables)
{
    store.folder("2026/12/10/09-00/a1");
    store.folder("2026/12/10/21-05");
    store.folder("2026/12/10/odd name");
    store.folder("2026/12/11/other-day");
    fileOfSize(store.computer() + "/2026/12/10/stray-file", 3);
    const ScanResult scan = scanStore(fso, 2026, 12, 10);
    ASSERT_FALSE(scan.error);
    Hours hours = scan.hours;
    std::sort(hours.begin(), hours.end());
    EXPECT_EQ(hours, (Hours{"09-00", "21-05", "odd name"}));
    EXPECT_EQ(scan.status, "3 archives found.");
    EXPECT_EQ(scan.folders.ComputerFolder, store.computer());
    EXPECT_EQ(scan.folders.YearFolder, store.computer() + "/2026");
    EXPECT_EQ(scan.folders.MonthFolder, store.computer() + "/2026/12");
    EXPECT_EQ(scan.folders.DayFolder, store.computer() + "/2026/12/10");
    EXPECT_EQ(scan.folders.HourFolder, "");
}

TEST_F(StoreScanTest, HoursCreatedOutOfOrderAreListedInNameOrder)
{
    for (const char *hour : {"09-00", "05-00", "21-05", "08-00", "Noon", "06-24", "afternoon", "07-00", "AFTERNOON"})
        store.folder(std::string("2026/12/10/") + hour);
    const ScanResult scan = scanStore(fso, 2026, 12, 10);
    ASSERT_FALSE(scan.error);
    EXPECT_EQ(scan.hours, (Hours{"05-00", "06-24", "07-00", "08-00", "09-00", "21-05", "AFTERNOON", "afternoon", "Noon"}));
}

TEST_F(StoreScanTest, NonCanonicalMonthStopsTheScanAtTheDriveStatus)
{
    store.folder("2009/05/7/10-00");
    const ScanResult scan = scanStore(fso, 2009, 5, 7);
    ASSERT_TRUE(scan.error);
    EXPECT_EQ(scan.error->number(), 76);
    EXPECT_EQ(scan.status, "Backup Drive: " + scan.folders.BackupDrive);
    EXPECT_EQ(scan.folders.YearFolder, store.computer() + "/2009");
    EXPECT_EQ(scan.folders.MonthFolder, store.computer() + "/2009/5");
    EXPECT_EQ(scan.folders.DayFolder, "");
    EXPECT_TRUE(scan.hours.empty());
    // With the canonical folder beside it, both names resolve to "5", whose hours are listed once.
    store.folder("2009/5/7/11-00");
    const ScanResult both = scanStore(fso, 2009, 5, 7);
    ASSERT_FALSE(both.error);
    EXPECT_EQ(both.hours, (Hours{"11-00"}));
}

TEST_F(StoreScanTest, SameNumberedFoldersListEachHourOnce)
{
    store.folder("2009/5/7/10-00");
    store.folder("2009/5/7/12-30");
    store.folder("02009");
    store.folder("2009x");
    store.folder("2009/05");
    store.folder("2009/5/07");
    const ScanResult scan = scanStore(fso, 2009, 5, 7);
    ASSERT_FALSE(scan.error);
    EXPECT_EQ(scan.hours, (std::vector<std::string>{"10-00", "12-30"}));
    EXPECT_EQ(scan.status, "2 archives found.");
}

TEST_F(StoreScanTest, RootThatIsEmptyOrRelativeIsRefusedBeforeAnythingIsMade)
{
    for (const char *root : {"relative/store", "."}) {
        SCOPED_TRACE(root);
        inst.env.set("ZVENVSBAK", root);
        const ScanResult scan = scanStore(fso, 2026, 12, 10);
        ASSERT_TRUE(scan.error);
        EXPECT_EQ(scan.error->number(), 76);
        EXPECT_FALSE(scan.status);
        EXPECT_EQ(scan.folders.ComputerFolder, "");
    }
    EXPECT_FALSE(exists("relative"));
    // Set but empty counts as unset: the default store, never the working folder.
    inst.env.unset("ZVENVSBAK");
    const std::string unsetComputer = scanStore(fso, 2026, 12, 10).folders.ComputerFolder;
    inst.env.set("ZVENVSBAK", "");
    EXPECT_EQ(scanStore(fso, 2026, 12, 10).folders.ComputerFolder, unsetComputer);
    EXPECT_NE(unsetComputer, "");
    inst.env.set("ZVENVSBAK", inst.store());
    inst.env.set("ZVENVSFAM", "locker-here");
    const ScanResult scan = scanStore(fso, 2026, 12, 10);
    ASSERT_TRUE(scan.error);
    EXPECT_FALSE(exists("locker-here"));
}

TEST_F(StoreScanTest, LinksInTheStoreCostNothingAndAreNotListed)
{
    const std::string day = store.folder("2026/12/10");
    store.folder("2026/12/10/09-00");
    ASSERT_EQ(::symlink(store.computer().c_str(), (day + "/loop").c_str()), 0);
    ASSERT_EQ(::symlink(day.c_str(), (store.computer() + "/2026/12/10x").c_str()), 0);
    const ScanResult scan = scanStore(fso, 2026, 12, 10);
    ASSERT_FALSE(scan.error);
    EXPECT_EQ(scan.hours, (Hours{"09-00"}));
}

// A store moved to a bigger disk and linked back: the link is followed at the store root and at the
// computer folder, never below them.
TEST_F(StoreScanTest, LinkedStoreRootOrComputerFolderIsScanned)
{
    const std::string pc = GetMachineName();
    const std::string disk = inst.root() + "/bigdisk";
    const std::vector<LinkedStore> rows = linkedStores(inst.store(), disk);
    ScratchDir elsewhere;
    fileOfSize(elsewhere / "big/file", 5 * 1048576);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        fileOfSize(row.realComputer + "/2026/12/10/09-00/a/copy/file", 2 * 1048576);
        // Below the linked folder a link is an entry like a file: not listed, not measured.
        ASSERT_EQ(::symlink((elsewhere / "big").c_str(), (row.realComputer + "/2026/12/10/linked-hour").c_str()), 0);
        ASSERT_EQ(::symlink(row.target.c_str(), row.linkAt.c_str()), 0);
        inst.env.set("ZVENVSBAK", row.storeRoot);

        const ScanResult scan = scanStore(fso, 2026, 12, 10);
        EXPECT_FALSE(scan.error) << scan.error->description();
        EXPECT_EQ(scan.folders.ComputerFolder, row.storeRoot + "/" + pc);
        EXPECT_EQ(scan.folders.DayFolder, row.storeRoot + "/" + pc + "/2026/12/10");
        EXPECT_EQ(scan.hours, (Hours{"09-00"}));
        EXPECT_EQ(scan.status, "1 archives found.");
        EXPECT_EQ(scan.lockerToolTip, scan.folders.ComputerFolder + ", Size : 2 MB");
        const ArchiveListResult list = fillArchiveList(fso, scan.folders.DayFolder, "09-00");
        EXPECT_FALSE(list.error);
        ASSERT_EQ(list.rows.size(), 1u);
        EXPECT_EQ(list.rows[0].name, "a");
        EXPECT_TRUE(fso.isLink(row.linkAt));
        ::unlink(row.linkAt.c_str());
        FileSystemObject().deleteFolder(disk, true);
    }
}

TEST_F(StoreScanTest, UnreadableFolderStopsTheScanAtTheComputerSize)
{
    UnreadableFileSystem unreadable("/" + GetMachineName());
    store.folder("2026/12/10/09-00");
    const ScanResult scan = scanStore(unreadable, 2026, 12, 10);
    ASSERT_TRUE(scan.error);
    EXPECT_EQ(scan.error->number(), 70);
    EXPECT_FALSE(scan.lockerToolTip);
    EXPECT_FALSE(scan.status);
    EXPECT_EQ(scan.folders.ComputerFolder, store.computer());
}

// The click path's scan lists the date's folders and never sizes the store: a size walk fails here.
TEST_F(StoreScanTest, TheDayScanListsTheHoursWithoutSizingTheStore)
{
    class NoSizeWalk : public FileSystemObject {
    public:
        std::uint64_t folderSize(const std::string &path) override { throw err::permissionDenied(path); }
    } noSize;
    store.folder("2026/12/10/09-00");
    store.folder("2026/12/10/21-05");
    store.folder("2026/12/11/10-00");
    const ScanResult scan = scanStoreDay(noSize, 2026, 12, 10);
    ASSERT_FALSE(scan.error) << scan.error->description();
    EXPECT_EQ(scan.hours, (Hours{"09-00", "21-05"}));
    EXPECT_EQ(scan.status, "2 archives found.");
    EXPECT_FALSE(scan.lockerToolTip);
    EXPECT_EQ(scan.measuredFolder, store.computer());
    EXPECT_EQ(lockerToolTipText(store.computer(), 2 * 1024 * 1024), store.computer() + ", Size : 2 MB");
}

TEST_F(StoreScanTest, NamesThatAreNotUtf8AreListedAsTheyAre)
{
    const std::string name = "caf\xe9-10";
    store.folder("2026/12/10/" + name);
    const ScanResult scan = scanStore(fso, 2026, 12, 10);
    ASSERT_FALSE(scan.error);
    EXPECT_EQ(scan.hours, (Hours{name}));
}

TEST_F(StoreScanTest, ThousandsOfHoursAreAllListed)
{
    for (int i = 0; i < 2000; ++i)
        store.folder("2026/12/10/h" + std::to_string(i));
    const ScanResult scan = scanStore(fso, 2026, 12, 10);
    EXPECT_EQ(scan.hours.size(), 2000u);
    EXPECT_EQ(scan.status, "2000 archives found.");
}

} // namespace

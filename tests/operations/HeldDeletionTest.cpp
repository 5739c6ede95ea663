// Deletions open the store level by level from the computer folder the scan saw: a level swapped
// for a link (on disk, after the scan or while the deletion measures) is refused and nothing of it
// or of the link's target is deleted.
#include "automation/AutomationError.h"
#include "store/HeldStoreFolder.h"
#include "platform/FileSystemObject.h"
#include "platform/Paths.h"
#include "platform/walk/WalkProgress.h"
#include "support/ExpectError.h"
#include "support/StoreBuilder.h"
#include "support/TestSupport.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

using namespace rnx10;
using namespace rnx10::test;

namespace {

class HeldDeletion : public ::testing::Test {
protected:
    void SetUp() override { archive = store.archive(store.hour("0900"), "arch", "/src"); }

    // The folder variables as the scan leaves them, the computer folder's identity included.
    BrowserFolders scanned() const
    {
        BrowserFolders f;
        f.ComputerFolder = store.computer();
        f.YearFolder = store.computer() + "/2026";
        f.MonthFolder = f.YearFolder + "/12";
        f.DayFolder = store.day();
        f.HourFolder = store.hour("0900");
        f.ComputerIdentity = computerFolderIdentity(f.ComputerFolder);
        return f;
    }

    // Renames level away and links a victim folder outside the store in its place; the victim holds
    // a file at every path the deletion could reach through the link.
    void swapForVictim(const std::string &level, const std::string &target)
    {
        ASSERT_EQ(::rename(level.c_str(), (level + "-moved").c_str()), 0);
        makeFolders(victim + target.substr(level.size()));
        writeFile(victim + target.substr(level.size()) + "/keep.txt", "keep me");
        ASSERT_EQ(::symlink(victim.c_str(), level.c_str()), 0);
    }

    void expectNothingDeleted(const std::string &level, const std::string &target)
    {
        EXPECT_EQ(readFile(victim + target.substr(level.size()) + "/keep.txt"), "keep me");
        EXPECT_TRUE(exists(level + "-moved" + archive.substr(level.size()) + "/details.ini"));
    }

    Installation inst;
    StoreBuilder store{inst.store(), "PC01", QDate(2026, 12, 10)};
    std::string archive;
    std::string victim = inst.home() + "/victim";
    FileSystemObject fso;
};

TEST_F(HeldDeletion, DeletesReadOnlyTreesAndLinksButNeverALinkTarget)
{
    makeFolders(victim);
    writeFile(victim + "/precious.txt", "keep me");
    ASSERT_EQ(::symlink(victim.c_str(), (archive + "/copy/link").c_str()), 0);
    ::chmod((archive + "/copy/sub/b.txt").c_str(), 0444);
    ::chmod((archive + "/copy/sub").c_str(), 0555);

    const std::optional<HeldStoreFolder> held = holdStoreFolder(scanned(), store.hour("0900"));
    ASSERT_TRUE(held);
    deleteHeldFolder(fso, *held, {});
    EXPECT_FALSE(exists(store.hour("0900")));
    EXPECT_TRUE(exists(store.day()));
    EXPECT_EQ(readFile(victim + "/precious.txt"), "keep me");
    EXPECT_FALSE(holdStoreFolder(scanned(), store.hour("0900"))) << "a folder already gone is nothing to hold";
}

TEST_F(HeldDeletion, ALevelSwappedForALinkAfterTheScanIsRefusedWith70)
{
    const struct {
        const char *name;
        std::string swapped, target;
    } cases[] = {
        {"computer folder, Delete Year", store.computer(), store.computer() + "/2026"},
        {"year, Delete Year", store.computer() + "/2026", store.computer() + "/2026"},
        {"year, Delete Month", store.computer() + "/2026", store.computer() + "/2026/12"},
        {"day, Delete Hour", store.day(), store.hour("0900")},
        {"hour, Delete Archive", store.hour("0900"), archive},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(inst.store());
        std::filesystem::remove_all(victim);
        archive = store.archive(store.hour("0900"), "arch", "/src");
        const BrowserFolders folders = scanned();
        swapForVictim(c.swapped, c.target);
        const AutomationError e = expectError(70, [&] { holdStoreFolder(folders, c.target); });
        EXPECT_NE(e.description().find("lies outside the backup store"), std::string::npos) << e.description();
        EXPECT_NE(e.description().find("nothing was deleted"), std::string::npos) << e.description();
        expectNothingDeleted(c.swapped, c.target);
    }
}

TEST_F(HeldDeletion, AFolderSwappedWhileItIsMeasuredIsRefusedWith70)
{
    const std::string year = store.computer() + "/2026";
    const std::optional<HeldStoreFolder> held = holdStoreFolder(scanned(), year);
    ASSERT_TRUE(held);
    expectError(70, [&] {
        deleteHeldFolder(fso, *held, [&](const HeldStoreFolder &h) {
            swapForVictim(year, year);
            return heldFolderSize(h);
        });
    });
    expectNothingDeleted(year, year);
}

TEST_F(HeldDeletion, DeletesThroughALinkedComputerFolderAndCountsWhatItRemoves)
{
    // The computer folder moved to another disk and linked back: a supported layout.
    const std::string moved = inst.home() + "/bigger/PC01";
    makeFolders(parentPath(moved));
    ASSERT_EQ(::rename(store.computer().c_str(), moved.c_str()), 0);
    ASSERT_EQ(::symlink(moved.c_str(), store.computer().c_str()), 0);
    makeFolders(moved + "/2026/12/10/1000/empty");
    std::uint64_t entries = 0, bytes = 0;
    for (auto it = std::filesystem::recursive_directory_iterator(moved + "/2026"); it != decltype(it)(); ++it) {
        ++entries;
        if (it->is_regular_file())
            bytes += it->file_size();
    }

    const std::optional<HeldStoreFolder> held = holdStoreFolder(scanned(), store.computer() + "/2026");
    ASSERT_TRUE(held);
    walk::WalkProgress progress;
    walk::ScopedProgress current(&progress);
    EXPECT_EQ(deleteHeldFolder(fso, *held, heldFolderSize), bytes);
    EXPECT_FALSE(exists(moved + "/2026"));
    EXPECT_TRUE(exists(moved));
    EXPECT_EQ(progress.entries.load(), entries + 1); // the folder itself, and nothing measured
}

} // namespace

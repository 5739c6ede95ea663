#include "automation/AutomationError.h"
#include "store/ArchiveDeletion.h"
#include "platform/FileSystemObject.h"
#include "support/StoreBuilder.h"
#include "support/TestSupport.h"

#include <sys/stat.h>
#include <unistd.h>

using namespace rnx10;
using namespace rnx10::test;

namespace {

// One day in the store: 2026/12/10 of computer PC01.
class ArchiveDeletion : public ::testing::Test {
protected:
    void SetUp() override { makeFolders(store.day()); }

    // The browser's folder variables with hour picked.
    BrowserFolders folders(const std::string &hour = "0900") const
    {
        BrowserFolders f;
        f.ComputerFolder = store.computer();
        f.YearFolder = store.computer() + "/2026";
        f.MonthFolder = store.computer() + "/2026/12";
        f.DayFolder = store.day();
        f.HourFolder = store.hour(hour);
        return f;
    }

    Installation inst;
    StoreBuilder store{inst.store(), "PC01", QDate(2026, 12, 10)};
    FileSystemObject fso;
};

struct LevelCase {
    const char *name;
    StoreLevel level;
    void (*change)(BrowserFolders &);
    bool selected;
};

const LevelCase kLevelCases[] = {
    {"year of the computer", StoreLevel::Year, [](BrowserFolders &) {}, true},
    {"month of the year", StoreLevel::Month, [](BrowserFolders &) {}, true},
    {"day of the month", StoreLevel::Day, [](BrowserFolders &) {}, true},
    {"hour of the day", StoreLevel::Hour, [](BrowserFolders &) {}, true},
    {"hour with a trailing slash", StoreLevel::Hour, [](BrowserFolders &f) { f.HourFolder += "/"; }, true},
    {"empty year", StoreLevel::Year, [](BrowserFolders &f) { f.YearFolder.clear(); }, false},
    {"empty month", StoreLevel::Month, [](BrowserFolders &f) { f.MonthFolder.clear(); }, false},
    {"empty day", StoreLevel::Day, [](BrowserFolders &f) { f.DayFolder.clear(); }, false},
    {"empty hour", StoreLevel::Hour, [](BrowserFolders &f) { f.HourFolder.clear(); }, false},
    {"hour left as the day after a rescan", StoreLevel::Hour, [](BrowserFolders &f) { f.HourFolder = f.DayFolder + "/"; }, false},
    {"hour two levels down", StoreLevel::Hour, [](BrowserFolders &f) { f.HourFolder += "/arch"; }, false},
    {"hour climbing out with ..", StoreLevel::Hour, [](BrowserFolders &f) { f.HourFolder = f.DayFolder + "/../../.."; }, false},
    {"relative hour", StoreLevel::Hour, [](BrowserFolders &f) { f.HourFolder = "0900"; }, false},
    {"day without a month", StoreLevel::Day, [](BrowserFolders &f) { f.MonthFolder.clear(); }, false},
};

TEST_F(ArchiveDeletion, LevelFolderIsTheVariableOnlyWhenItIsDirectlyInsideTheLevelAbove)
{
    for (const LevelCase &c : kLevelCases) {
        SCOPED_TRACE(c.name);
        BrowserFolders f = folders();
        c.change(f);
        std::optional<std::string> folder = levelFolderToDelete(f, c.level);
        EXPECT_EQ(folder.has_value(), c.selected);
        if (folder && c.level == StoreLevel::Hour)
            EXPECT_EQ(*folder, store.hour("0900"));
    }
    EXPECT_EQ(nothingSelectedText(StoreLevel::Hour), "No hour is selected.");
    EXPECT_EQ(nothingSelectedText(StoreLevel::Year), "No year is selected.");
}

TEST_F(ArchiveDeletion, ArchiveGuardAcceptsOnlyAFolderDirectlyInsideTheHourInView)
{
    const std::string archive = store.archive(store.hour("0900"), "arch1", "/src");
    const std::string other = store.archive(store.hour("1000"), "arch2", "/src");
    EXPECT_NO_THROW(checkArchiveFolder(fso, folders("0900"), archive));
    EXPECT_NO_THROW(checkArchiveFolder(fso, folders("0900"), archive + "/"));

    struct Refused {
        const char *name;
        std::string folder;
        BrowserFolders folders;
    };
    BrowserFolders rescanned = folders();
    rescanned.HourFolder = store.day() + "/";
    BrowserFolders outside = folders();
    outside.HourFolder = inst.home() + "/a/b/c/d";
    const Refused refused[] = {
        {"archive of another hour", other, folders("0900")},
        {"the hour itself", store.hour("0900"), folders("0900")},
        {"a copy inside an archive", archive + "/copy", folders("0900")},
        {"the store root", inst.store(), folders("0900")},
        {"the home folder", inst.home(), folders("0900")},
        {"the root", "/", folders("0900")},
        {"climbing out with ..", store.hour("0900") + "/../../../../..", folders("0900")},
        {"an hour folder after a rescan", store.hour("0900"), rescanned},
        {"an hour outside the computer folder", inst.home() + "/a/b/c/d/e", outside},
        {"no archive", "", folders("0900")},
    };
    for (const Refused &r : refused) {
        SCOPED_TRACE(r.name);
        const AutomationError e = expectError(5, [&] { checkArchiveFolder(fso, r.folders, r.folder); });
        EXPECT_NE(e.description().find("nothing was deleted"), std::string::npos);
    }
}

TEST_F(ArchiveDeletion, ArchiveFolderIsTheParentOfAnExistingCopy)
{
    const std::string archive = store.archive(store.hour("0900"), "arch1", "/src");
    EXPECT_EQ(archiveFolderOf(fso, archive + "/copy"), archive);
    for (const std::string &missing : {std::string(), archive + "/gone"}) {
        SCOPED_TRACE(missing);
        expectError(76, [&] { archiveFolderOf(fso, missing); });
    }
    // A copy that is a file is told as what it is, not as missing.
    writeFile(archive + "/file", "x");
    const AutomationError file = expectError(75, [&] { archiveFolderOf(fso, archive + "/file"); });
    EXPECT_NE(file.description().find("is not a folder"), std::string::npos) << file.description();
}

} // namespace

#include "StoreFixture.h"

#include "automation/AutomationError.h"
#include "backup_browser/core/ArchiveDeletion.h"

#include <sys/stat.h>
#include <unistd.h>

using namespace rnx10;
using namespace rnx10::test;

namespace {

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

TEST(ArchiveDeletion, LevelFolderIsTheVariableOnlyWhenItIsDirectlyInsideTheLevelAbove)
{
    StoreFixture store;
    for (const LevelCase &c : kLevelCases) {
        SCOPED_TRACE(c.name);
        BrowserFolders f = store.folders();
        c.change(f);
        std::optional<std::string> folder = levelFolderToDelete(f, c.level);
        EXPECT_EQ(folder.has_value(), c.selected);
        if (folder && c.level == StoreLevel::Hour)
            EXPECT_EQ(*folder, store.hour("0900"));
    }
    EXPECT_EQ(nothingSelectedText(StoreLevel::Hour), "No hour is selected.");
    EXPECT_EQ(nothingSelectedText(StoreLevel::Year), "No year is selected.");
}

TEST(ArchiveDeletion, ArchiveGuardAcceptsOnlyAFolderDirectlyInsideTheHourInView)
{
    StoreFixture store;
    FileSystemObject fso;
    const std::string archive = store.addArchive("0900", "arch1", "/src");
    const std::string other = store.addArchive("1000", "arch2", "/src");
    EXPECT_NO_THROW(checkArchiveFolder(fso, store.folders("0900"), archive));
    EXPECT_NO_THROW(checkArchiveFolder(fso, store.folders("0900"), archive + "/"));

    struct Refused {
        const char *name;
        std::string folder;
        BrowserFolders folders;
    };
    BrowserFolders rescanned = store.folders();
    rescanned.HourFolder = store.day() + "/";
    BrowserFolders outside = store.folders();
    outside.HourFolder = store.inst.home() + "/a/b/c/d";
    const Refused refused[] = {
        {"archive of another hour", other, store.folders("0900")},
        {"the hour itself", store.hour("0900"), store.folders("0900")},
        {"a copy inside an archive", archive + "/copy", store.folders("0900")},
        {"the store root", store.inst.store(), store.folders("0900")},
        {"the home folder", store.inst.home(), store.folders("0900")},
        {"the root", "/", store.folders("0900")},
        {"climbing out with ..", store.hour("0900") + "/../../../../..", store.folders("0900")},
        {"an hour folder after a rescan", store.hour("0900"), rescanned},
        {"an hour outside the computer folder", store.inst.home() + "/a/b/c/d/e", outside},
        {"no archive", "", store.folders("0900")},
    };
    for (const Refused &r : refused) {
        SCOPED_TRACE(r.name);
        try {
            checkArchiveFolder(fso, r.folders, r.folder);
            ADD_FAILURE() << "accepted " << r.folder;
        } catch (const AutomationError &e) {
            EXPECT_EQ(e.number(), 5);
            EXPECT_NE(e.description().find("nothing was deleted"), std::string::npos);
        }
    }
}

TEST(ArchiveDeletion, ArchiveFolderIsTheParentOfAnExistingCopy)
{
    StoreFixture store;
    FileSystemObject fso;
    const std::string archive = store.addArchive("0900", "arch1", "/src");
    EXPECT_EQ(archiveFolderOf(fso, archive + "/copy"), archive);
    for (const std::string &missing : {std::string(), archive + "/gone"}) {
        try {
            archiveFolderOf(fso, missing);
            ADD_FAILURE() << "found " << missing;
        } catch (const AutomationError &e) {
            EXPECT_EQ(e.number(), 76);
        }
    }
}

TEST(ArchiveDeletion, DeletesReadOnlyTreesAndLinksButNeverALinkTarget)
{
    StoreFixture store;
    FileSystemObject fso;
    const std::string archive = store.addArchive("0900", "arch1", "/src");
    const std::string outside = store.inst.home() + "/keep";
    makeFolders(outside);
    writeFile(outside + "/precious.txt", "keep me");
    ASSERT_EQ(::symlink(outside.c_str(), (archive + "/copy/link").c_str()), 0);
    ::chmod((archive + "/copy/sub/b.txt").c_str(), 0444);
    ::chmod((archive + "/copy/sub").c_str(), 0555);

    deleteStoreFolder(fso, store.hour("0900"));
    EXPECT_FALSE(exists(store.hour("0900")));
    EXPECT_TRUE(exists(store.day()));
    EXPECT_EQ(readFile(outside + "/precious.txt"), "keep me");

    EXPECT_NO_THROW(deleteStoreFolder(fso, store.hour("0900"))); // already gone
}

} // namespace

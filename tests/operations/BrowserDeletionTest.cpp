// The five deletions of the browser's popup menu, driven through the window.
#include "support/BrowserFixture.h"


#include "backup_browser/ArchiveListView.h"
#include "backup_browser/frmBackUpRestoreA.h"
#include "platform/Paths.h"

#include <QListView>

#include <unistd.h>

#include <filesystem>

using namespace rnx10;
using namespace rnx10::test;

namespace {

class BrowserDeletion : public BrowserFixture {
protected:
    // Today's hours 09-00 and 10-00, and one hour in another day, month and year.
    void buildStore()
    {
        const QDate today = QDate::currentDate();
        store.archive(store.hour("09-00"), "arch", inst.home() + "/docs");
        store.archive(store.hour("10-00"), "other", inst.home() + "/docs");
        others = {store.hour("10-00"), store.day(QDate(today.year(), today.month(), today.day() == 1 ? 2 : 1)) + "/08-00",
                  store.day(QDate(today.year(), today.month() == 1 ? 2 : 1, 1)) + "/08-00",
                  store.day(QDate(today.year() - 1, today.month(), 1)) + "/08-00"};
        for (const std::string &f : others)
            makeFolders(f);
    }

    std::vector<std::string> others;
};

TEST_F(BrowserDeletion, EachEntryAsksDeletesExactlyItsFolderAndReports)
{
    const std::string day = store.day(QDate::currentDate());
    const struct {
        const char *entry, *title, *tail;
        std::string deleted;
        std::size_t survivorsFrom; // others from this index on must survive
    } cases[] = {
        {"mnuPopUpDeleteHour", "Delete Hour...", " . This will delete old data.", day + "/09-00", 0},
        {"mnuPopUpDeleteDay", "Delete Day...", " . This will delete selected day data.", day, 1},
        {"mnuPopUpDeleteMonth", "Delete Month...", " . This will delete old data.", parentPath(day), 2},
        {"mnuPopUpDeleteYear", "Delete Year...", " . This will delete old data.", parentPath(parentPath(day)), 3},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.entry);
        buildStore();
        ASSERT_TRUE(open());
        pickHour("09-00");
        clearAndTrigger(c.entry);
        ASSERT_EQ(boxes().size(), 2u);
        EXPECT_EQ(boxes()[0].text, "Are you sure you want to delete " + c.deleted + c.tail);
        EXPECT_EQ(boxes()[0].title, c.title);
        EXPECT_TRUE(boxes()[0].question);
        EXPECT_EQ(boxes()[1].text, "Succesfully deleted...");
        EXPECT_EQ(boxes()[1].title, kDefaultTitle);
        EXPECT_EQ(boxes()[1].icon, Icon::None);
        EXPECT_FALSE(exists(c.deleted));
        EXPECT_TRUE(exists(parentPath(c.deleted)));
        for (std::size_t i = c.survivorsFrom; i < others.size(); ++i)
            EXPECT_TRUE(exists(others[i])) << others[i];
        m_window->close();
    }
}

TEST_F(BrowserDeletion, NoLeavesTheStoreAndAnUnselectedHourIsToldNotDeleted)
{
    buildStore();
    ASSERT_TRUE(open());
    answer({Answer::No, Answer::No, Answer::No, Answer::No});
    for (const char *entry : {"mnuPopUpDeleteDay", "mnuPopUpDeleteMonth", "mnuPopUpDeleteYear"})
        trigger(entry);
    EXPECT_EQ(boxes().size(), 3u);
    EXPECT_TRUE(exists(store.hour("09-00")));

    // No hour picked since the scan: the hour entry names no hour folder.
    boxes().clear();
    inst.prompt->answers.clear();
    trigger("mnuPopUpDeleteHour");
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, "No hour is selected.");
    EXPECT_FALSE(boxes()[0].question);
    EXPECT_TRUE(exists(store.hour("09-00")));
    EXPECT_TRUE(exists(store.hour("10-00")));
}

TEST_F(BrowserDeletion, ArchiveEntryDeletesTheWholeArchiveFolderAndRefreshes)
{
    const std::string archive = store.archive(store.hour("09-00"), "arch", inst.home() + "/docs");
    const std::string kept = store.archive(store.hour("09-00"), "kept", inst.home() + "/docs");
    ASSERT_TRUE(open());
    pickHour("09-00");
    clickRow("arch");
    clearAndTrigger("mnuPopUpDeleteArchive");
    ASSERT_EQ(boxes().size(), 3u);
    EXPECT_EQ(boxes()[0].text, "Are you sure you want to delete " + archive + "/copy . This will delete selected archive.");
    EXPECT_EQ(boxes()[0].title, "Delete Archive...");
    EXPECT_EQ(boxes()[1].text, archive);
    EXPECT_EQ(boxes()[2].text, "Succesfully deleted...");
    EXPECT_FALSE(exists(archive));
    EXPECT_TRUE(exists(kept + "/details.ini"));
    EXPECT_EQ(m_window->SelectedDestinationDir(), "");
}

TEST_F(BrowserDeletion, ArchiveGuardRefusesACopyOutsideItsHour)
{
    const std::string otherHour = store.archive(store.hour("10-00"), "victim", inst.home() + "/docs");
    makeFolders(inst.home() + "/Documents/copy");
    makeFolders(inst.store() + "/copy");
    const struct {
        const char *name;
        std::string destination, parent;
    } cases[] = {
        {"another hour", otherHour + "/copy", otherHour},
        {"the store root", inst.store() + "/copy", inst.store()},
        {"the home folder", inst.home() + "/Documents", inst.home()},
        {"the root", "/usr", "/"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        store.archive(store.hour("09-00"), "forged", inst.home() + "/docs", c.destination);
        ASSERT_TRUE(open());
        pickHour("09-00");
        clickRow("forged");
        clearAndTrigger("mnuPopUpDeleteArchive");
        ASSERT_EQ(boxes().size(), 3u);
        EXPECT_EQ(boxes()[1].text, c.parent);
        EXPECT_EQ(boxes()[2].icon, Icon::Critical);
        EXPECT_NE(boxes()[2].text.find("nothing was deleted"), std::string::npos) << boxes()[2].text;
        EXPECT_TRUE(exists(c.destination));
        EXPECT_TRUE(exists(otherHour + "/details.ini"));
        EXPECT_TRUE(exists(store.hour("09-00") + "/forged/details.ini"));
        m_window->close();
    }
}

TEST_F(BrowserDeletion, ALevelSwappedForALinkAfterTheScanIsRefusedAndTheLinkTargetKept)
{
    const std::string victim = inst.home() + "/victim";
    const struct {
        const char *entry;
        std::string swapped, deleted;
    } cases[] = {
        {"mnuPopUpDeleteYear", store.computer(), parentPath(parentPath(store.day(QDate::currentDate())))},
        {"mnuPopUpDeleteHour", store.day(QDate::currentDate()), store.day(QDate::currentDate()) + "/09-00"},
        {"mnuPopUpDeleteArchive", store.day(QDate::currentDate()) + "/09-00",
         store.day(QDate::currentDate()) + "/09-00/arch"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.entry);
        buildStore();
        ASSERT_TRUE(open());
        pickHour("09-00");
        clickRow("arch");
        // Between the scan and the click: the level goes away and a link to a folder outside
        // the store, holding what the deletion would reach through it, takes its place.
        const std::string reached = victim + c.deleted.substr(c.swapped.size());
        makeFolders(reached + "/copy");
        writeFile(reached + "/copy/keep.txt", "keep me");
        ASSERT_EQ(::rename(c.swapped.c_str(), (c.swapped + "-moved").c_str()), 0);
        ASSERT_EQ(::symlink(victim.c_str(), c.swapped.c_str()), 0);
        clearAndTrigger(c.entry);
        EXPECT_EQ(boxes().back().icon, Icon::Critical);
        EXPECT_NE(lastText().find("outside the backup store"), std::string::npos) << lastText();
        EXPECT_EQ(readFile(reached + "/copy/keep.txt"), "keep me");
        EXPECT_TRUE(exists(c.swapped + "-moved" + c.deleted.substr(c.swapped.size())));
        m_window->close();
        ASSERT_EQ(::unlink(c.swapped.c_str()), 0);
        ASSERT_EQ(::rename((c.swapped + "-moved").c_str(), c.swapped.c_str()), 0);
        std::filesystem::remove_all(victim);
    }
}

} // namespace

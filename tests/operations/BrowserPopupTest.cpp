// The browser's popup as the user reaches it: a right press on the archive list, then a click on
// an entry of the menu that opens. Also what opening an archive's copy may start.
#include "support/Appearance.h"
#include "support/BrowserFixture.h"

#include "backup_browser/ArchiveListView.h"
#include "backup_browser/frmBackUpRestoreA.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QTreeWidget>
#include <QApplication>
#include <QListView>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <fcntl.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <set>
#include <memory>

using namespace rnx10;
using namespace rnx10::test;

namespace {

class BrowserPopup : public BrowserFixture {
protected:
    void SetUp() override
    {
        source = inst.home() + "/docs";
        makeFolders(source);
        arch = store.archive(store.hour("09-00"), "arch", source);
        other = store.archive(store.hour("09-00"), "other", source);
        ASSERT_TRUE(open());
        pickHour("09-00");
    }

    ArchiveListView *list() const { return m_window->findChild<ArchiveListView *>("lvBody"); }

    // Where a press lands: the centre of the named row, or a spot of the list with no row.
    QPoint spot(const std::string &row) const
    {
        QAbstractItemView *view = list()->currentView();
        if (!row.empty())
            return view->visualRect(rowNamed(QString::fromStdString(row))).center();
        const QPoint empty(view->viewport()->width() - 4, view->viewport()->height() - 4);
        EXPECT_FALSE(view->indexAt(empty).isValid());
        return empty;
    }

    // Right press on row (empty space for ""), then a click on entry in the menu that opens, and
    // the events that follow served. Both come through the windows, as the platform delivers
    // input, and the click is followed at once by the events posted meanwhile, as in a running
    // event loop (the menu's own, if the menu runs one).
    void popupPick(const std::string &row, const char *entry)
    {
        auto *menu = m_window->findChild<QMenu *>("mnupopupmenu");
        auto *action = m_window->findChild<QAction *>(entry);
        ASSERT_TRUE(menu && action) << entry;
        bool picked = false;
        auto pick = [menu, action, &picked] {
            if (picked || !menu->isVisible() || !menu->windowHandle())
                return;
            picked = true;
            QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {}, menu->actionGeometry(action).center());
            QCoreApplication::sendPostedEvents();
        };
        QPointer<QTimer> poll = new QTimer(menu);
        QObject::connect(poll, &QTimer::timeout, menu, pick);
        poll->start(0);
        QWidget *viewport = list()->currentView()->viewport();
        QTest::mousePress(m_window->windowHandle(), Qt::RightButton, {}, viewport->mapTo(m_window, spot(row)));
        delete poll;
        pick();
        QCoreApplication::processEvents();
        EXPECT_TRUE(picked) << "the popup did not open";
    }

    std::string selectedName() const
    {
        const QModelIndex row = list()->selectedRow();
        return row.isValid() ? row.data().toString().toStdString() : std::string();
    }

    std::string source, arch, other;
};

TEST_F(BrowserPopup, EntriesThatCloseTheWindowLetTheListsHandlerReturnFirst)
{
    const struct {
        const char *entry;
        Answer answer;
        bool closes;
        bool backsUp;
    } cases[] = {
        {"mnuPopUpStartBackup", Answer::Yes, true, true},
        {"mnuPopUpStartBackup", Answer::No, false, false},
        {"mnuPopUpExit", Answer::Yes, true, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.entry) + (c.answer == Answer::Yes ? " Yes" : " No"));
        if (!m_window) {
            ASSERT_TRUE(open());
            pickHour("09-00");
        }
        inst.shell->opened.clear();
        answer({c.answer});
        QPointer<frmBackUpRestoreA> window = m_window;
        popupPick("arch", c.entry);
        EXPECT_EQ(shownBrowser() == nullptr, c.closes);
        ASSERT_EQ(inst.shell->opened.size(), c.backsUp ? 2u : 0u);
        if (c.backsUp) {
            EXPECT_EQ(inst.shell->opened[0].first, inst.programRoot() + "/1.0/Sys/regbak.exe");
            EXPECT_EQ(inst.shell->opened[1].first, inst.programRoot() + "/1.0/Sys/shellbak.exe");
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(window.isNull(), c.closes);
        if (c.closes)
            m_window = nullptr;
    }
}

TEST_F(BrowserPopup, RightPressOnARowMakesItTheOneTheEntriesActOn)
{
    const struct {
        const char *label;
        std::string pressOn; // "" for empty space
        const char *entry;
        std::string actedOn; // the archive the entry acts on and the list shows selected
    } cases[] = {
        {"open another row", "other", "mnuPopUpOpenFolder", "other"},
        {"restore another row", "other", "mnuPopUpStartRestore", "other"},
        {"delete another row", "other", "mnuPopUpDeleteArchive", "other"},
        {"open over empty space", "", "mnuPopUpOpenFolder", "arch"},
        {"delete over empty space", "", "mnuPopUpDeleteArchive", "arch"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        clickRow("arch");
        const std::string copy = (c.actedOn == "arch" ? arch : other) + "/copy";
        inst.shell->documents.clear();
        boxes().clear();
        answer({Answer::No}); // a question is asked, and nothing done
        popupPick(c.pressOn, c.entry);

        EXPECT_EQ(selectedName(), c.actedOn);
        EXPECT_EQ(m_window->SelectedDestinationDir(), copy);
        EXPECT_EQ(m_window->statusText(2).substr(0, copy.size()), copy); // what a left click shows
        if (std::string(c.entry) == "mnuPopUpOpenFolder") {
            EXPECT_EQ(inst.shell->documents, std::vector<std::string>{copy});
        } else {
            ASSERT_FALSE(boxes().empty());
            EXPECT_NE(boxes()[0].text.find(copy + " "), std::string::npos) << boxes()[0].text;
        }
        EXPECT_TRUE(exists(arch) && exists(other));
    }
}

// The recovery entries, picked from the popup as a user picks them.
class BrowserRecover : public BrowserPopup {
protected:
    // The compare window shown now, if any.
    QWidget *compareWindow() const { return m_window->findChild<QWidget *>("frmCompare"); }

    std::string target = inst.home() + "/restored";
};

TEST_F(BrowserRecover, CompareWithCurrentListsTheChangesAndTheirCountsAndEscapeCloses)
{
    writeFile(source + "/extra.txt", "only in the current folder");
    popupPick("arch", "mnuPopUpCompare");
    QPointer<QWidget> window = compareWindow();
    ASSERT_TRUE(window && window->isVisible());
    auto *changes = window->findChild<QTreeWidget *>("lvChanges");
    ASSERT_TRUE(changes);
    QStringList rows;
    for (int i = 0; i < changes->topLevelItemCount(); ++i)
        rows << changes->topLevelItem(i)->text(0) + " | " + changes->topLevelItem(i)->text(1) + " | " +
                    changes->topLevelItem(i)->text(2);
    EXPECT_EQ(rows, QStringList({"+ Only in the archive | a.txt | a restore brings it back",
                                 "- Only in the current folder | extra.txt | a restore removes it",
                                 "+ Only in the archive | sub | a restore brings it back"}));
    EXPECT_EQ(window->findChild<QLabel *>("lblCounts")->text(),
              "1 only in the current folder, 2 only in the archive, 0 different");
    writeScreenshot(window, "compare-light");
    {
        ScopedPalette dark(darkPalette());
        writeScreenshot(window, "compare-dark");
    }
    EXPECT_TRUE(boxes().empty());

    QTest::keyClick(changes, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST_F(BrowserRecover, CompareWindowComparesContentsWhenAsked)
{
    const struct timespec when[2] = {{1000000, 0}, {1000000, 0}};
    for (const auto &[name, content] : {std::pair<std::string, std::string>{"a.txt", "z"}, {"sub/b.txt", "b"}}) {
        makeFolders(source + "/sub");
        writeFile(source + "/" + name, content);
        ::utimensat(AT_FDCWD, (source + "/" + name).c_str(), when, 0);
        ::utimensat(AT_FDCWD, (arch + "/copy/" + name).c_str(), when, 0);
    }
    popupPick("arch", "mnuPopUpCompare");
    QPointer<QWidget> window = compareWindow();
    ASSERT_TRUE(window);
    auto *changes = window->findChild<QTreeWidget *>("lvChanges");
    auto *contents = window->findChild<QCheckBox *>("chkContents");
    ASSERT_TRUE(changes && contents);
    EXPECT_EQ(changes->topLevelItemCount(), 0);
    contents->click();
    ASSERT_EQ(changes->topLevelItemCount(), 1);
    EXPECT_EQ(changes->topLevelItem(0)->text(1) + " | " + changes->topLevelItem(0)->text(2), "a.txt | contents");
    contents->click();
    EXPECT_EQ(changes->topLevelItemCount(), 0);
    window->close();
}

TEST_F(BrowserRecover, RestoreQuestionKeepsItsTextAndTellsTheCountsAndWhereTheFolderGoes)
{
    writeFile(source + "/extra.txt", "only in the current folder");
    answer({Answer::No});
    popupPick("arch", "mnuPopUpStartRestore");
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, "Are you sure you want to copy " + arch + "/copy to " + source + " . This will delete old data.");
    EXPECT_EQ(boxes()[0].details, "What the restore changes in " + source +
                                      ":\n1 only in the current folder (a restore removes them)\n"
                                      "2 only in the archive (a restore brings them back)\n"
                                      "0 in both but different (a restore puts the archive's back)\n"
                                      "Files were compared by size and modification time, not by their contents.\n\n"
                                      "The current folder is moved to the desktop trash, from where it can be put back.");
    EXPECT_TRUE(exists(source + "/extra.txt"));
}

TEST_F(BrowserRecover, RestoreToCopiesTheArchiveIntoTheChosenFolderUnderAFreeName)
{
    makeFolders(target);
    const std::string stamped = "docs (restored " + QDate::currentDate().toString("yyyy-MM-dd").toStdString() + " 09-00)";
    const struct {
        const char *label;
        std::string chosen; // "" cancels the chooser
        std::string told;   // the box after it
        std::set<std::string> names; // what target then holds
    } cases[] = {
        {"cancelled", "", "", {}},
        {"first", target, "Restored as " + target + "/docs", {"docs"}},
        {"name taken", target, "Restored as " + target + "/" + stamped, {"docs", stamped}},
        {"into the store", inst.store(), "lies inside the backup store", {"docs", stamped}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        boxes().clear();
        inst.prompt->folders = {c.chosen};
        popupPick("arch", "mnuPopUpRestoreTo");
        ASSERT_GE(boxes().size(), 1u);
        EXPECT_EQ(boxes()[0].title, "Restore To...");
        ASSERT_EQ(boxes().size(), c.told.empty() ? 1u : 2u);
        if (!c.told.empty())
            EXPECT_NE(boxes()[1].text.find(c.told), std::string::npos) << boxes()[1].text;
        std::set<std::string> names;
        for (const auto &entry : std::filesystem::directory_iterator(target))
            names.insert(entry.path().filename().string());
        EXPECT_EQ(names, c.names);
    }
    EXPECT_EQ(treeListing(target + "/" + stamped), treeListing(arch + "/copy"));
}

// An archive whose DestinationDir names a program, with the real shell open and a stand-in
// xdg-open first on PATH that writes down its argument.
class ProgramAsDestination : public BrowserFixture {
protected:
    void SetUp() override
    {
        makeFolders(inst.root() + "/bin");
        writeProgram(inst.root() + "/bin/xdg-open", "printf '%s' \"$1\" > '" + opened + ".tmp'; mv '" + opened +
                                                        ".tmp' '" + opened + "'\n");
        inst.env.set("PATH", inst.root() + "/bin:/usr/bin:/bin");
        const std::string folder = store.hour("09-00") + "/evil";
        makeFolders(folder);
        program = folder + "/run.sh";
        writeProgram(program, ": > '" + ran + "'\n");
        store.archive(store.hour("09-00"), "evil", inst.home(), program);
        ASSERT_TRUE(open());
        pickHour("09-00");
    }

    static void writeProgram(const std::string &path, const std::string &body)
    {
        writeFile(path, "#!/bin/sh\n" + body);
        ::chmod(path.c_str(), 0755);
    }

    // Serves events until path exists; false when it never does.
    static bool waitFor(const std::string &path)
    {
        for (int i = 0; i < 1000 && !exists(path); ++i)
            QTest::qWait(10);
        return exists(path);
    }

    std::string opened = inst.root() + "/opened";
    std::string ran = inst.root() + "/ran";
    std::string program;
    ScopedPlatform realShell{PlatformHooks{inst.prompt, std::make_shared<SystemShell>(), inst.starter}};
};

TEST_F(ProgramAsDestination, IsHandedToTheOpenerAndNeverStarted)
{
    const struct {
        const char *label;
        std::function<void()> open;
    } cases[] = {
        {"double click", [this] { clickRow("evil", Twice); }},
        {"Open entry", [this] {
             clickRow("evil");
             trigger("mnuPopUpOpenFolder");
         }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        ::unlink(opened.c_str());
        c.open();
        ASSERT_TRUE(waitFor(opened)) << "xdg-open was not called";
        EXPECT_EQ(readFile(opened), program);
        EXPECT_FALSE(exists(ran)) << "the archive's DestinationDir was run as a program";
        EXPECT_TRUE(inst.starter->started.empty());
    }
}

} // namespace

// The browser worked with the keyboard alone: the popup from the menu key and Shift+F10 at the
// current row, every popup entry and button reached and used, a restore from start to end. Keys go
// to the windows, as the platform delivers them.
#include "support/BrowserFixture.h"

#include "backup_browser/ArchiveListView.h"
#include "recovery/FindFilesWindow.h"
#include "backup_browser/frmBackUpRestoreA.h"
#include "schedule/frmBackUpScheduleA.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QListView>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QWindow>

using namespace rnx10;
using namespace rnx10::test;

namespace {

class BrowserKeyboard : public BrowserFixture {
protected:
    void SetUp() override
    {
        source = inst.home() + "/docs";
        makeFolders(source);
        writeFile(source + "/made-since.txt", "new");
        arch = store.archive(store.hour("09-00"), "arch", source);
        other = store.archive(store.hour("09-00"), "other", source, {}, {{"other.txt", "other"}});
        ASSERT_TRUE(open());
        m_window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window));
    }

    ArchiveListView *list() const { return m_window->findChild<ArchiveListView *>("lvBody"); }
    QMenu *menu() const { return m_window->findChild<QMenu *>("mnupopupmenu"); }

    // A key as the platform delivers it: to the open popup, if any, else to the browser.
    void press(int key, Qt::KeyboardModifiers modifiers = {})
    {
        QWidget *popup = QApplication::activePopupWidget();
        QWindow *target = popup ? popup->windowHandle() : m_window->windowHandle();
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }

    // From the calendar, where the window starts: Tab to the hour list, Down to its first hour,
    // Tab to the archive list, then Home, or End, to the row of that name (one of the two).
    void reachRow(const QString &row)
    {
        press(Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), child<QComboBox>("lstTime"));
        press(Qt::Key_Down);
        ASSERT_EQ(rowCount(), 2);
        press(Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), list()->currentView());
        press(Qt::Key_Home);
        if (list()->currentView()->currentIndex().data().toString() != row)
            press(Qt::Key_End);
        ASSERT_EQ(list()->currentView()->currentIndex().data().toString(), row);
    }

    std::string source, arch, other;
};

TEST_F(BrowserKeyboard, PopupOpensFromTheMenuKeyAndShiftF10AtTheCurrentRow)
{
    const struct {
        const char *label;
        int key;
        Qt::KeyboardModifiers modifiers;
        bool report;
    } cases[] = {
        {"menu key, icons", Qt::Key_Menu, {}, false},
        {"Shift+F10, icons", Qt::Key_F10, Qt::ShiftModifier, false},
        {"menu key, report", Qt::Key_Menu, {}, true},
        {"Shift+F10, report", Qt::Key_F10, Qt::ShiftModifier, true},
    };
    reachRow("other");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        if ((list()->view() == ArchiveListView::Report) != c.report)
            press(Qt::Key_F7);
        boxes().clear();
        press(c.key, c.modifiers);
        ASSERT_TRUE(menu()->isVisible());
        // The current row is clicked first, as a right press on it is.
        EXPECT_EQ(m_window->SelectedDestinationDir(), other + "/copy");
        EXPECT_EQ(m_window->statusText(2).substr(0, other.size() + 5), other + "/copy");
        QAbstractItemView *view = list()->currentView();
        const QPoint row = view->viewport()->mapToGlobal(view->visualRect(view->currentIndex()).center());
        EXPECT_EQ(menu()->x(), row.x());
        EXPECT_TRUE(menu()->geometry().top() <= row.y() + 1 && row.y() <= menu()->geometry().bottom() + 1);
        // Escape closes the popup and leaves the window open.
        press(Qt::Key_Escape);
        EXPECT_FALSE(menu()->isVisible());
        ASSERT_TRUE(shownBrowser());
        EXPECT_TRUE(boxes().empty());
    }
    // A key other than those, or F10 alone, opens nothing.
    for (int key : {int(Qt::Key_F10), int(Qt::Key_F9)}) {
        press(key);
        EXPECT_FALSE(menu()->isVisible());
    }
}

TEST_F(BrowserKeyboard, RestoreRunsFromTheKeyboardAlone)
{
    reachRow("arch");
    press(Qt::Key_Menu);
    ASSERT_TRUE(menu()->isVisible());
    answer({Answer::Yes});
    press(Qt::Key_R); // &Restore
    EXPECT_FALSE(menu()->isVisible());
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_EQ(boxes()[0].title, "Sure...");
    EXPECT_EQ(boxes()[0].text, "Are you sure you want to copy " + arch + "/copy to " + source + " . This will delete old data.");
    EXPECT_EQ(firstLine(boxes()[1].text), "Done...");
    EXPECT_EQ(treeListing(source), treeListing(arch + "/copy"));
}

TEST_F(BrowserKeyboard, EveryPopupEntryIsReachedWithTheArrowKeys)
{
    const struct {
        const char *entry;
        const char *asks; // the title of the question it asks (answered No), if any
    } entries[] = {
        {"mnuPopUpStartBackup", "Proceed..."},     {"mnuPopUpStartRestore", "Sure..."},
        {"mnuPopUpDeleteYear", "Delete Year..."},  {"mnuPopUpDeleteMonth", "Delete Month..."},
        {"mnuPopUpDeleteDay", "Delete Day..."},    {"mnuPopUpDeleteHour", "Delete Hour..."},
        {"mnuPopUpDeleteArchive", "Delete Archive..."}, {"mnuPopUpScheduleBackups", nullptr},
        {"mnuPopUpOpenFolder", nullptr},           {"mnuPopUpRestoreTo", "Restore To..."},
        {"mnuPopUpCompare", nullptr},              {"mnuPopUpFindFiles", nullptr},
        {"mnuPopUpThinArchives", nullptr},         {"mnuPopUpExit", nullptr},
    };
    reachRow("arch");
    const auto before = treeListing(inst.store());
    for (std::size_t i = 0; i < std::size(entries); ++i) {
        const std::string entry = entries[i].entry;
        SCOPED_TRACE(entry);
        boxes().clear();
        inst.shell->documents.clear();
        answer({Answer::No});
        press(Qt::Key_Menu);
        ASSERT_TRUE(menu()->isVisible());
        for (std::size_t down = 0; down <= i; ++down)
            press(Qt::Key_Down);
        ASSERT_TRUE(menu()->activeAction());
        EXPECT_EQ(menu()->activeAction()->objectName().toStdString(), entry);
        bool modalShown = false;
        if (entry == "mnuPopUpScheduleBackups" || entry == "mnuPopUpThinArchives")
            QTimer::singleShot(0, [&] {
                if (QWidget *dialog = QApplication::activeModalWidget()) {
                    modalShown = entry == "mnuPopUpScheduleBackups" ? qobject_cast<frmBackUpScheduleA *>(dialog) != nullptr
                                                                    : dialog->objectName() == QLatin1String("frmThinArchives");
                    dialog->close();
                }
            });
        QPointer<frmBackUpRestoreA> window = m_window;
        press(Qt::Key_Return);
        QCoreApplication::sendPostedEvents();
        if (entries[i].asks) {
            ASSERT_EQ(boxes().size(), 1u);
            EXPECT_EQ(boxes()[0].title, entries[i].asks);
        } else if (entry == "mnuPopUpScheduleBackups" || entry == "mnuPopUpThinArchives") {
            EXPECT_TRUE(modalShown);
        } else if (entry == "mnuPopUpOpenFolder") {
            EXPECT_EQ(inst.shell->documents, std::vector<std::string>{arch + "/copy"});
        } else if (entry == "mnuPopUpCompare") {
            auto *compare = m_window->findChild<QWidget *>("frmCompare");
            ASSERT_TRUE(compare && compare->isVisible());
            compare->close();
        } else if (entry == "mnuPopUpFindFiles") {
            QWidget *finder = m_window->findChild<FindFilesWindow *>();
            ASSERT_TRUE(finder && finder->isVisible());
            finder->close();
        } else {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_TRUE(window.isNull());
            m_window = nullptr;
        }
    }
    EXPECT_EQ(treeListing(inst.store()), before);
}

TEST_F(BrowserKeyboard, ButtonsArePressedByTheirKeysOrWhenFocused)
{
    const std::string report = inst.store() + "/report.txt";
    const std::string registryTool = inst.programRoot() + "/1.0/Sys/regbak.exe";
    const struct {
        const char *label;
        const char *focus; // the button given the focus first, if any
        int key;
        Qt::KeyboardModifiers modifiers;
        std::string opened;  // what the shell is asked to open
        const char *asks;    // or the question asked (answered No)
    } cases[] = {
        {"Alt+B", nullptr, Qt::Key_B, Qt::AltModifier, "", "Proceed..."},
        {"Alt+R", nullptr, Qt::Key_R, Qt::AltModifier, report, nullptr},
        {"Space on Registry Backup", "cmdRegBackup2", Qt::Key_Space, {}, registryTool, nullptr},
        {"Enter on Registry Backup", "cmdRegBackup2", Qt::Key_Return, {}, registryTool, nullptr},
        {"Enter on Report", "cmdReport", Qt::Key_Return, {}, report, nullptr},
        {"Enter on Start Backup", "cmdRegBackup", Qt::Key_Return, {}, "", "Proceed..."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        boxes().clear();
        inst.shell->opened.clear();
        answer({Answer::No});
        if (c.focus)
            child<QWidget>(c.focus)->setFocus();
        press(c.key, c.modifiers);
        // A button's key presses it as a short click does, once the press has shown.
        ASSERT_TRUE(QTest::qWaitFor([&] { return !inst.shell->opened.empty() || !boxes().empty(); }));
        if (c.asks) {
            ASSERT_EQ(boxes().size(), 1u);
            EXPECT_EQ(boxes()[0].title, c.asks);
        } else {
            ASSERT_EQ(inst.shell->opened.size(), 1u);
            EXPECT_EQ(inst.shell->opened[0].first, c.opened);
        }
        ASSERT_TRUE(shownBrowser());
    }
    QPointer<frmBackUpRestoreA> window = m_window;
    press(Qt::Key_E, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return window.isNull();
    }));
    m_window = nullptr;
}

} // namespace

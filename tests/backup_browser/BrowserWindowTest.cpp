// The browser window driven as a user drives it, over small stores.
#include "backup_browser/ArchiveListView.h"
#include "backup_browser/frmBackUpRestoreA.h"
#include "backup_browser/StatusPanel.h"
#include "support/BrowserFixture.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QMenu>
#include <QStandardItemModel>
#include <QTest>
#include <QTreeView>

using namespace rnx10;
using namespace rnx10::test;

namespace {

std::string dayPath(const QDate &d)
{
    return std::to_string(d.year()) + "/" + std::to_string(d.month()) + "/" + std::to_string(d.day());
}

class BrowserWindowTest : public BrowserFixture {
protected:
    // A store for today: hour "09-00" with a folder archive and a registry archive, empty "21-05".
    void todaysStore()
    {
        const std::string hour = store.folder(dayPath(QDate::currentDate()) + "/09-00");
        store.folder(dayPath(QDate::currentDate()) + "/21-05");
        m_source = inst.root() + "/docs";
        fileOfSize(m_source + "/a.txt", 3670016);
        store.sizedArchive(hour, "shell", StoreBuilder::detailsText(m_source, hour + "/shell/data"), 2621440);
        store.sizedArchive(hour, "registry", StoreBuilder::detailsText("REGKEYS", hour + "/registry/data"));
        m_hour = hour;
    }

    std::string m_source, m_hour;
};

TEST_F(BrowserWindowTest, OpensOnTodayWithTodaysHoursAndComesForwardWhenOpenAgain)
{
    todaysStore();
    frmBackUpRestoreA *w = open();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), "Zorvane Backup & Restore");
    EXPECT_EQ(w->size(), QSize(761, 553));
    auto *calendar = child<QCalendarWidget>("MonthView1");
    EXPECT_EQ(calendar->selectedDate(), QDate::currentDate());
    EXPECT_EQ(calendar->toolTip(), QLocale::system().toString(QDate::currentDate(), "ddd, dd-MMM-yyyy"));
    auto *hours = child<QComboBox>("lstTime");
    EXPECT_EQ(hours->count(), 2);
    EXPECT_EQ(hours->currentIndex(), -1);
    EXPECT_EQ(w->statusText(1), "2 archives found.");
    EXPECT_EQ(w->statusText(2), "");
    EXPECT_EQ(child<ArchiveListView>("lvBody")->view(), ArchiveListView::Icon);
    EXPECT_EQ(w->DayFolder(), store.computer() + "/" + dayPath(QDate::currentDate()));

    pickHour("09-00");
    EXPECT_EQ(w->HourFolder(), m_hour);
    EXPECT_EQ(open(), w);
    EXPECT_EQ(hours->currentText(), "09-00");
    EXPECT_EQ(child<ArchiveListView>("lvBody")->iconView()->model()->rowCount(), 2);

    QTest::keyClick(child<ArchiveListView>("lvBody")->currentView(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(shownBrowser());
    frmBackUpRestoreA *again = open();
    ASSERT_TRUE(again);
    EXPECT_EQ(child<QComboBox>("lstTime")->currentIndex(), -1);
    EXPECT_EQ(again->HourFolder(), "");
}

TEST_F(BrowserWindowTest, HoursAndArchivesShowInNameOrder)
{
    const std::string day = dayPath(QDate::currentDate());
    for (const char *hour : {"09-00", "05-00", "21-05", "08-00", "06-24", "07-00"})
        store.folder(day + "/" + hour);
    for (const char *archive : {"shell", "Registry", "b-docs", "a-photos", "Zeta"})
        store.sizedArchive(store.folder(day + "/06-24"), archive, std::nullopt);
    ASSERT_TRUE(open());
    auto *hours = child<QComboBox>("lstTime");
    QStringList shown;
    for (int i = 0; i < hours->count(); ++i)
        shown << hours->itemText(i);
    EXPECT_EQ(shown, (QStringList{"05-00", "06-24", "07-00", "08-00", "09-00", "21-05"}));

    pickHour("06-24");
    auto *list = child<ArchiveListView>("lvBody");
    for (QAbstractItemView *view : {static_cast<QAbstractItemView *>(list->iconView()), static_cast<QAbstractItemView *>(list->reportView())}) {
        QStringList rows;
        for (int r = 0; r < view->model()->rowCount(); ++r)
            rows << view->model()->index(r, 0).data().toString();
        EXPECT_EQ(rows, (QStringList{"a-photos", "b-docs", "Registry", "shell", "Zeta"}));
    }
}

TEST_F(BrowserWindowTest, HourFillsTheListAndAClickShowsTheSizes)
{
    todaysStore();
    frmBackUpRestoreA *w = open();
    ASSERT_TRUE(w);
    auto *size = child<QLabel>("lblSize");
    EXPECT_EQ(size->text(), "Size");
    pickHour("21-05");
    EXPECT_EQ(size->text(), "Size : 0 MB");
    EXPECT_EQ(size->toolTip(), "0 Bytes");
    pickHour("09-00");
    // 2.5 MiB of copy and a few hundred bytes more.
    EXPECT_EQ(size->text(), "Size : 3 MB");

    clickRow("shell");
    EXPECT_EQ(w->SelectedSourceDir(), m_source);
    EXPECT_EQ(w->SelectedDestinationDir(), m_hour + "/shell/data");
    EXPECT_EQ(w->statusText(1), m_source + "\r\nSize : 4 MB");
    EXPECT_EQ(w->statusText(2), m_hour + "/shell/data\r\nSize : 2 MB");

    clickRow("registry");
    EXPECT_EQ(w->SelectedSourceDir(), "REGKEYS");
    EXPECT_EQ(w->SelectedDestinationDir(), m_hour + "/registry/data");
    EXPECT_EQ(w->statusText(1), m_source + "\r\nSize : 4 MB");

    clickRow("shell", Twice);
    ASSERT_EQ(inst.shell->opened.size(), 1u);
    EXPECT_EQ(inst.shell->opened[0], std::make_pair(m_hour + "/shell/data", 1));
}

TEST_F(BrowserWindowTest, F7SwitchesViewsAndTheReportShowsTheSixColumns)
{
    todaysStore();
    frmBackUpRestoreA *w = open();
    pickHour("09-00");
    auto *list = child<ArchiveListView>("lvBody");
    list->currentView()->setFocus();
    QTest::keyClick(list->currentView(), Qt::Key_F7);
    ASSERT_EQ(list->view(), ArchiveListView::Report);
    QStringList headers;
    for (int c = 0; c < list->reportView()->model()->columnCount(); ++c)
        headers << list->reportView()->model()->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(headers, QStringList({"Name", "SourceDir", "DestinationDir", "Computer", "User", "Now"}));
    const QModelIndex shell = rowNamed("shell");
    EXPECT_EQ(shell.siblingAtColumn(5).data().toString(), "10/12/2026 21:05:00");
    EXPECT_EQ(shell.siblingAtColumn(3).data().toString(), "PC01");
    clickRow("shell");
    EXPECT_EQ(w->SelectedSourceDir(), m_source);
    QTest::keyClick(list->currentView(), Qt::Key_F7, Qt::ShiftModifier);
    EXPECT_EQ(list->view(), ArchiveListView::Icon);
    QTest::keyClick(list->currentView(), Qt::Key_F8);
    EXPECT_EQ(list->view(), ArchiveListView::Icon);
}

TEST_F(BrowserWindowTest, OnlyTheRightButtonShowsTheFullPopup)
{
    todaysStore();
    frmBackUpRestoreA *w = open();
    auto *menu = child<QMenu>("mnupopupmenu");
    EXPECT_EQ(menu->title(), "&Popup Menu");
    QStringList items;
    for (QAction *a : menu->actions())
        items << a->objectName() + "=" + (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(items, QStringList({"mnuPopUpStartBackup=&Backup", "mnuPopUpStartRestore=&Restore", "mnuPopUpSep1=-",
                                  "mnuPopUpDeleteYear=Delete Ye&ar", "mnuPopUpDeleteMonth=Delete M&onth",
                                  "mnuPopUpDeleteDay=Delete Da&y", "mnuPopUpDeleteHour=Delete &Hour",
                                  "mnuPopUpDeleteArchive=Delete Arch&ive", "mnuPopUpSep2=-",
                                  "mnuPopUpScheduleBackups=&Schedule Backups", "mnuPopUpSep3=-", "mnuPopUpOpenFolder=&Open",
                                  "mnuPopUpSep4=-", "mnuPopUpRestoreTo=Restore &To...",
                                  "mnuPopUpCompare=&Compare with Current...", "mnuPopUpFindFiles=&Find Files...",
                                  "mnuPopUpThinArchives=Thin O&ld Archives...", "mnuPopUpExit=&Exit"}));
    int shown = 0;
    QObject::connect(menu, &QMenu::aboutToShow, menu, [&] {
        ++shown;
        QMetaObject::invokeMethod(menu, &QMenu::close, Qt::QueuedConnection);
    });
    QWidget *viewport = child<ArchiveListView>("lvBody")->currentView()->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton);
    QTest::mouseClick(viewport, Qt::MiddleButton);
    EXPECT_EQ(shown, 0);
    QTest::mousePress(viewport, Qt::RightButton);
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(inst.prompt->boxes.empty());
}

TEST_F(BrowserWindowTest, PopupOpenAndExitActOnTheList)
{
    todaysStore();
    frmBackUpRestoreA *w = open();
    pickHour("09-00");
    auto *menu = child<QMenu>("mnupopupmenu");
    child<QAction>(menu, "mnuPopUpOpenFolder")->trigger();
    EXPECT_TRUE(inst.shell->opened.empty());
    clickRow("registry");
    child<QAction>(menu, "mnuPopUpOpenFolder")->trigger();
    ASSERT_EQ(inst.shell->opened.size(), 1u);
    EXPECT_EQ(inst.shell->opened[0].first, m_hour + "/registry/data");
    child<QAction>(menu, "mnuPopUpExit")->trigger();
    EXPECT_FALSE(shownBrowser());
}

TEST_F(BrowserWindowTest, PickingAnotherDateRescansAndEmptiesTheList)
{
    todaysStore();
    const QDate tomorrow = QDate::currentDate().addDays(1);
    store.folder(dayPath(tomorrow) + "/07-30");
    frmBackUpRestoreA *w = open();
    pickHour("09-00");
    clickRow("shell");
    auto *calendar = child<QCalendarWidget>("MonthView1");
    QWidget *days = calendar->findChild<QWidget *>("qt_calendar_calendarview");
    ASSERT_TRUE(days);
    days->setFocus();
    QTest::keyClick(days, Qt::Key_Right);
    EXPECT_EQ(calendar->selectedDate(), tomorrow);
    EXPECT_EQ(calendar->toolTip(), QLocale::system().toString(tomorrow, "ddd, dd-MMM-yyyy"));
    auto *hours = child<QComboBox>("lstTime");
    ASSERT_EQ(hours->count(), 1);
    EXPECT_EQ(hours->itemText(0), "07-30");
    EXPECT_EQ(child<ArchiveListView>("lvBody")->iconView()->model()->rowCount(), 0);
    EXPECT_EQ(w->SelectedSourceDir(), "");
    EXPECT_EQ(w->HourFolder(), "");
    EXPECT_EQ(w->statusText(1), "1 archives found.");
    // Escape from the calendar closes the window too.
    QTest::keyClick(days, Qt::Key_Escape);
    EXPECT_FALSE(shownBrowser());
}

TEST_F(BrowserWindowTest, StatusPanelDoubleClickTellsItsText)
{
    todaysStore();
    frmBackUpRestoreA *w = open();
    QTest::mouseDClick(child<StatusPanel>("StatusBar1Panel2"), Qt::LeftButton);
    QTest::mouseDClick(child<StatusPanel>("StatusBar1Panel1"), Qt::LeftButton);
    ASSERT_EQ(inst.prompt->boxes.size(), 2u);
    EXPECT_EQ(inst.prompt->boxes[0].text, "");
    EXPECT_EQ(inst.prompt->boxes[0].title, "Status...");
    EXPECT_EQ(inst.prompt->boxes[0].icon, Icon::Information);
    EXPECT_FALSE(inst.prompt->boxes[0].question);
    EXPECT_EQ(inst.prompt->boxes[1].text, "2 archives found.");
}

TEST_F(BrowserWindowTest, ScanErrorIsToldInTheSecondPanelWithoutABox)
{
    const QDate today = QDate::currentDate();
    store.folder(std::to_string(today.year()) + "/0" + std::to_string(today.month()) + "/" + std::to_string(today.day()) + "/10-00");
    frmBackUpRestoreA *w = open();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->statusText(1), "Backup Drive: " + w->BackupDrive());
    EXPECT_NE(w->statusText(2).find("Path not found"), std::string::npos) << w->statusText(2);
    EXPECT_EQ(child<QComboBox>("lstTime")->count(), 0);
    EXPECT_TRUE(inst.prompt->boxes.empty());
}

TEST_F(BrowserWindowTest, RefreshWithNoHourPickedShowsNothingAndKeepsTheSize)
{
    todaysStore();
    frmBackUpRestoreA *w = open();
    pickHour("09-00");
    w->RefreshAdd();
    EXPECT_EQ(w->HourFolder(), "");
    EXPECT_EQ(child<ArchiveListView>("lvBody")->iconView()->model()->rowCount(), 0);
    EXPECT_EQ(child<QLabel>("lblSize")->text(), "Size : 3 MB");
}

TEST_F(BrowserWindowTest, NamesThatAreNotUtf8AreShownReadablyAndUsedAsTheyAre)
{
    const std::string hourName = "h\xe9ure";
    const std::string hour = store.folder(dayPath(QDate::currentDate()) + "/" + hourName);
    const std::string copy = hour + "/arch\xff/data";
    store.sizedArchive(hour, "arch\xff", StoreBuilder::detailsText(inst.root() + "/caf\xe9", copy));
    makeFolders(inst.root() + "/caf\xe9");
    frmBackUpRestoreA *w = open();
    auto *hours = child<QComboBox>("lstTime");
    ASSERT_EQ(hours->count(), 1);
    EXPECT_TRUE(hours->itemText(0).startsWith("h"));
    EXPECT_TRUE(hours->itemText(0).endsWith("ure"));
    pickHour(hours->itemText(0));
    EXPECT_EQ(w->HourFolder(), hour);
    const QString shownName = child<ArchiveListView>("lvBody")->iconView()->model()->index(0, 0).data().toString();
    EXPECT_TRUE(shownName.startsWith("arch"));
    clickRow(shownName);
    EXPECT_EQ(w->SelectedDestinationDir(), copy);
    EXPECT_EQ(w->SelectedSourceDir(), inst.root() + "/caf\xe9");
    EXPECT_EQ(w->statusText(2), copy + "\r\nSize : 0 MB");
}

} // namespace

// The browser for assistive technology and the keyboard: accessible names and descriptions, the
// locker as a button, the order of the tab stops and the controls the keyboard works.
#include "backup_browser/ArchiveListView.h"
#include "backup_browser/frmBackUpRestoreA.h"
#include "support/BrowserFixture.h"
#include "ui/Accessibility.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

using namespace rnx10;
using namespace rnx10::test;

namespace {

const QString kListTip = QStringLiteral("Double click to open destination file or folder press F7 key for details.");

class BrowserAccessTest : public BrowserFixture {
protected:
    void SetUp() override
    {
        store.archive(store.hour("09-00"), "documents", inst.home() + "/docs");
        makeFolders(inst.home() + "/docs");
        ASSERT_TRUE(open());
        m_window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window));
    }

    static QAccessibleInterface *accessible(QObject *object) { return QAccessible::queryAccessibleInterface(object); }
    static QString description(QWidget *widget) { return accessible(widget)->text(QAccessible::Description); }

    // Every widget of the window, the window and its popup menu included, that has no name.
    QStringList unnamed() const
    {
        QList<QWidget *> widgets = m_window->findChildren<QWidget *>();
        widgets.prepend(m_window);
        QStringList missing;
        for (QWidget *widget : widgets)
            if (accessibleNameOf(widget).isEmpty())
                missing << QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(' ') + widget->objectName();
        return missing;
    }

    // The named control that holds the focus now: the calendar and the list for their inner parts.
    QString focusedControl() const
    {
        QWidget *focus = QApplication::focusWidget();
        for (QWidget *w = focus; w && w != m_window; w = w->parentWidget())
            if (w->objectName() == QLatin1String("MonthView1") || w->objectName() == QLatin1String("lvBody"))
                return w->objectName();
        return focus ? focus->objectName() : QStringLiteral("(none)");
    }

    void press(int key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(m_window->windowHandle(), static_cast<Qt::Key>(key), modifiers);
    }
};

TEST_F(BrowserAccessTest, EveryWidgetHasAnAccessibleName)
{
    EXPECT_EQ(unnamed(), QStringList());
    // Filled, in the report view, with the popup's parts made.
    pickHour("09-00");
    clickRow("documents");
    QTest::keyClick(child<ArchiveListView>("lvBody")->currentView(), Qt::Key_F7);
    child<QComboBox>("lstTime")->showPopup();
    child<QComboBox>("lstTime")->hidePopup();
    EXPECT_EQ(unnamed(), QStringList());
}

TEST_F(BrowserAccessTest, ControlsAreNamedFromTheirCaptionsAndDescribedByTheirTips)
{
    pickHour("09-00");
    clickRow("documents");
    const std::string computer = store.computer();
    const struct {
        const char *control;
        QString name, description; // as assistive technology reads them
    } rows[] = {
        {"cmdRegBackup", "Start Backup", ""},
        {"cmdRegBackup2", "Registry Backup", ""},
        {"cmdReport", "Report", "Click here to view all the backup data log file."},
        {"cmdExit", "Exit", ""},
        {"imgLocker", "Open the locker folder", QString::fromStdString(computer + ", Size : 0 MB")},
        {"MonthView1", "Backup date", QLocale::system().toString(QDate::currentDate(), "ddd, dd-MMM-yyyy")},
        {"qt_calendar_prevmonth", "Previous month", ""},
        {"qt_calendar_nextmonth", "Next month", ""},
        {"lstTime", "09-00", ""}, // a drop-down list reads its entry; its label names it
        {"lblHour", "Hour: ", ""},
        {"lblSize", "Size : 0 MB", child<QLabel>("lblSize")->toolTip()},
        {"lblArchives", "Archives", ""},
        {"lvBody", "Archives", kListTip},
        {"lvBodyIcons", "Archives", kListTip},
        {"lvBodyReport", "Archives", kListTip},
        {"StatusBar1Panel1", "Status panel 1", QString::fromStdString(m_window->statusText(1))},
        {"StatusBar1Panel2", "Status panel 2", QString::fromStdString(m_window->statusText(2))},
        {"mnupopupmenu", "Popup Menu", ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.control);
        QWidget *control = child<QWidget>(row.control);
        ASSERT_TRUE(control);
        EXPECT_EQ(accessibleNameOf(control), row.name);
        EXPECT_EQ(description(control), row.description);
    }
    EXPECT_TRUE(child<QLabel>("lblSize")->toolTip().endsWith(" Bytes"));
    EXPECT_EQ(child<QLabel>("lblHour")->buddy(), child<QComboBox>("lstTime"));
    EXPECT_EQ(accessibleNameOf(child<QComboBox>("lstTime")), "09-00");
}

TEST_F(BrowserAccessTest, DescriptionsFollowTipsThatChange)
{
    auto *report = child<QPushButton>("cmdReport");
    QTest::keyClick(m_window->windowHandle(), Qt::Key_R, Qt::AltModifier);
    const QString path = QString::fromStdString(inst.store() + "/report.txt");
    // A button's key presses it as a short click does, once the press has shown.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !inst.shell->opened.empty(); }));
    EXPECT_EQ(report->toolTip(), path);
    EXPECT_EQ(description(report), path);
    auto *calendar = child<QCalendarWidget>("MonthView1");
    pickDate(QDate::currentDate().addDays(-1));
    EXPECT_EQ(description(calendar), calendar->toolTip());
    EXPECT_EQ(description(calendar), QLocale::system().toString(QDate::currentDate().addDays(-1), "ddd, dd-MMM-yyyy"));
}

TEST_F(BrowserAccessTest, LockerIsAButtonThatOpensTheLockerFolder)
{
    QWidget *locker = child<QWidget>("imgLocker");
    QAccessibleInterface *iface = accessible(locker);
    EXPECT_EQ(iface->role(), QAccessible::Button);
    ASSERT_TRUE(iface->actionInterface());
    EXPECT_TRUE(iface->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    // Its keys: Enter, Return, Space, while it has the focus.
    locker->setFocus();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
        press(key);
    ASSERT_EQ(inst.shell->opened.size(), 4u);
    for (const auto &opened : inst.shell->opened)
        EXPECT_EQ(opened, std::make_pair(inst.locker(), 3));
    EXPECT_EQ(accessible(child<QWidget>("Image2"))->role(), QAccessible::Graphic);
}

TEST_F(BrowserAccessTest, TabStopsFollowTheLayout)
{
    EXPECT_EQ(focusedControl(), "MonthView1"); // the day is picked first
    const QStringList order = {"imgLocker", "MonthView1",       "lstTime",         "lvBody",
                               "cmdRegBackup", "cmdRegBackup2", "cmdReport",       "cmdExit",
                               "StatusBar1Panel1", "StatusBar1Panel2", "imgLocker"};
    child<QWidget>("imgLocker")->setFocus();
    QStringList forward = {focusedControl()};
    while (forward.size() < order.size() + 5 && (forward.size() < 2 || forward.back() != "imgLocker")) {
        press(Qt::Key_Tab);
        if (focusedControl() != forward.back())
            forward << focusedControl();
    }
    EXPECT_EQ(forward, order);
    QStringList backward = {focusedControl()};
    while (backward.size() < order.size() + 5 && (backward.size() < 2 || backward.back() != "imgLocker")) {
        press(Qt::Key_Backtab, Qt::ShiftModifier);
        if (focusedControl() != backward.back())
            backward << focusedControl();
    }
    QStringList reversed(order.rbegin(), order.rend());
    EXPECT_EQ(backward, reversed);
}

TEST_F(BrowserAccessTest, StatusPanelsTellTheirTextFromTheKeyboard)
{
    for (const char *panel : {"StatusBar1Panel1", "StatusBar1Panel2"}) {
        SCOPED_TRACE(panel);
        boxes().clear();
        child<QWidget>(panel)->setFocus();
        press(Qt::Key_Return);
        ASSERT_EQ(boxes().size(), 1u);
        EXPECT_EQ(boxes()[0].title, "Status...");
        EXPECT_EQ(boxes()[0].text, m_window->statusText(panel[15] - '0'));
    }
}

TEST_F(BrowserAccessTest, AFailingBoxNeverLeavesAHandlerIntoTheEventLoop)
{
    inst.prompt->failTells = true;
    for (const char *panel : {"StatusBar1Panel1", "StatusBar1Panel2"}) {
        SCOPED_TRACE(panel);
        child<QWidget>(panel)->setFocus();
        EXPECT_NO_THROW(press(Qt::Key_Return));
    }
    EXPECT_TRUE(m_window->isVisible());
    inst.prompt->failTells = false;
}

} // namespace

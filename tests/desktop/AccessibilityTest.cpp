// Every window can be used from the keyboard alone and tells a screen reader what each control is.
#include "DesktopWindows.h"
#include "RenderedChecks.h"

#include "maintenance/frmMaintainceA.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QTest>

using namespace rnx10;
using namespace rnx10::test;

namespace {

using Accessibility = DesktopFixture;

// What Tab reaches, key press by key press, from where the window puts the focus first.
std::vector<std::string> tabStops(QWidget &window, int count)
{
    std::vector<std::string> stops;
    for (int i = 0; i < count; ++i) {
        QWidget *focus = QApplication::focusWidget();
        if (!focus)
            return stops;
        stops.push_back(focus->objectName().toStdString());
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return stops;
}

TEST_F(Accessibility, EveryControlHasANameAndEveryTooltipIsItsDescription)
{
    for (const DesktopWindow &made : desktopWindows()) {
        SCOPED_TRACE(made.name);
        const auto window = made.make();
        showActive(*window);
        EXPECT_EQ(unnamedControls(window.get()), std::vector<std::string>{});
        EXPECT_EQ(undescribedControls(window.get()), std::vector<std::string>{});
        EXPECT_FALSE(window->windowTitle().isEmpty());
    }
}

TEST_F(Accessibility, TabGoesThroughTheControlsAsTheyAreLaidOut)
{
    const std::map<std::string, std::vector<std::string>> orders = {
        {"frmMaintainceA",
         {"qt_tabwidget_tabbar", "imgLog", "cmdLogsAndTemp", "Image1", "cmdStartBackups", "cmdOK", "qt_tabwidget_tabbar"}},
        // Tab reaches the chosen one of the two options; the arrow keys choose between them.
        // Remove is skipped while nothing is chosen in the list.
        {"frmBackUpScheduleA", {"txtTIME", "Option2", "txtDays", "cmdOK", "cmdCancel", "lstScheduled", "txtTIME"}},
        {"frmRegistryA", {"cmbViewRegEditForKey", "cmdViewRegEditForKey", "cmbViewRegEditForKey"}},
        {"frmDebuggerOptions", {"tblEnvironment", "cmdClose", "tblEnvironment"}},
        // The keys that do nothing here are disabled and skipped.
        {"frmSupportCenter",
         {"RNXRUN_QRS", "RNXRUN_DOWNLOADS", "RNXRUN_SHOP", "RNXRUN_BR", "RNXRUN_BRINDLEX", "RNXRUN_UPDATES",
          "RNXRUN_DEBUGGER", "RNXRUN_REGISTRY", "RNXRUN_PELORIN", "RNXRUN_KEV", "RNXRUN_MAINTAIN", "RNXRUN_LICENSES",
          "cmdRunBackupComputer", "RNXRUN_QRS"}},
    };
    for (const DesktopWindow &made : desktopWindows()) {
        const auto order = orders.find(made.name);
        if (order == orders.end())
            continue;
        SCOPED_TRACE(made.name);
        const auto window = made.make();
        showActive(*window);
        EXPECT_EQ(tabStops(*window, static_cast<int>(order->second.size())), order->second);
    }
}

TEST_F(Accessibility, TheLogPicturesAnswerSpaceEnterAndAScreenReadersPress)
{
    for (const char *name : {"imgLog", "Image1"}) {
        SCOPED_TRACE(name);
        inst.shell->opened.clear();
        frmMaintainceA form;
        showActive(form);
        QWidget *picture = form.findChild<QWidget *>(name);
        ASSERT_NE(picture, nullptr);
        picture->setFocus(Qt::TabFocusReason);
        QTest::keyClick(picture, Qt::Key_Space);
        QTest::keyClick(picture, Qt::Key_Return);
        QTest::mouseClick(picture, Qt::LeftButton); // a single click does not open it
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(picture);
        ASSERT_NE(face, nullptr);
        EXPECT_EQ(face->role(), QAccessible::Button);
        EXPECT_EQ(face->text(QAccessible::Name), "Browse log folder");
        EXPECT_EQ(face->text(QAccessible::Description), "Double click to browse log folder now");
        ASSERT_NE(face->actionInterface(), nullptr);
        face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_TRUE(QTest::qWaitFor([&] { return inst.shell->opened.size() == 3; }));
        EXPECT_EQ(inst.shell->opened, (std::vector<std::pair<std::string, int>>(3, {inst.logs(), 3})));
    }
}

TEST_F(Accessibility, EnterPressesTheFocusedButtonOrTheDefaultOne)
{
    frmMaintainceA form;
    showActive(form);
    QWidget *clear = form.findChild<QWidget *>("cmdLogsAndTemp");
    clear->setFocus(Qt::TabFocusReason);
    inst.prompt->answers = {Answer::No};
    QTest::keyClick(clear, Qt::Key_Return);
    ASSERT_EQ(inst.prompt->boxes.size(), 1u);
    EXPECT_EQ(inst.prompt->boxes[0].text, "Do you want to clear all log files?");
    QWidget *tabBar = form.findChild<QWidget *>("qt_tabwidget_tabbar");
    tabBar->setFocus(Qt::TabFocusReason);
    QTest::keyClick(tabBar, Qt::Key_Return);
    EXPECT_FALSE(form.isVisible()) << "OK is the default button";
}

TEST_F(Accessibility, EnterInTheRegistryNavigatorsBoxNavigatesOnce)
{
    const auto window = makeWindow("frmRegistryA");
    showActive(*window);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_EQ(inst.shell->opened.size(), 1u);
    EXPECT_NE(inst.shell->opened[0].first.find("Zorvane/Lumora"), std::string::npos) << inst.shell->opened[0].first;
    EXPECT_TRUE(window->isVisible());
}

TEST_F(Accessibility, EnterOrEscapeClosesTheDebuggerAndEscapeTheUpdatesNotice)
{
    for (const char *name : {"frmDebuggerOptions", "frmupdatesA"}) {
        SCOPED_TRACE(name);
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            if (key == Qt::Key_Return && std::string(name) == "frmupdatesA")
                continue;
            const auto window = makeWindow(name);
            showActive(*window);
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window.get(), key);
            EXPECT_FALSE(window->isVisible());
        }
    }
}

} // namespace

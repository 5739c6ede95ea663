// The support-centre program's buttons: what each does in words, the keys that do nothing here
// disabled, Enter on the focused button.
#include "DesktopWindows.h"

#include "SupportCenterWindow.h"
#include "commands/CommandTable.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

using namespace rnx10;
using namespace rnx10::test;

namespace {

using SupportCenter = DesktopFixture;

TEST_F(SupportCenter, TooltipsSayWhatACommandDoesAndKeysThatDoNothingHereAreDisabled)
{
    SupportCenterWindow window;
    int disabled = 0;
    for (const Command &command : commandTable()) {
        SCOPED_TRACE(command.key);
        auto *button = window.findChild<QPushButton *>(QString::fromUtf8(command.key));
        ASSERT_NE(button, nullptr);
        const QString tip = button->toolTip();
        EXPECT_FALSE(tip.contains(QStringLiteral("RNXRUN"))) << tip.toStdString();
        EXPECT_GT(tip.split(QLatin1Char(' ')).size(), 2) << "in words: " << tip.toStdString();
        EXPECT_EQ(button->isEnabled(), command.handler != nullptr);
        EXPECT_EQ(tip.endsWith(QStringLiteral(" does nothing on this system")), command.handler == nullptr)
            << tip.toStdString();
        disabled += !button->isEnabled();
    }
    EXPECT_EQ(disabled, 8);
    EXPECT_EQ(window.findChild<QPushButton *>("RNXRUN_LIVECHAT")->toolTip(), "Live Chat does nothing on this system");
    EXPECT_EQ(window.findChild<QPushButton *>("RNXRUN_BR")->toolTip(),
              "Opens the backup browser: restore, open or delete the backed-up folders");
}

TEST_F(SupportCenter, EnterAndSpacePressTheButtonThatHasTheFocus)
{
    SupportCenterWindow window;
    showActive(window);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        SCOPED_TRACE(key);
        inst.prompt->boxes.clear();
        while (QApplication::focusWidget()->objectName() != "RNXRUN_LICENSES")
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), key);
        ASSERT_EQ(inst.prompt->boxes.size(), 1u);
        EXPECT_EQ(inst.prompt->boxes[0].text, "LICENSES");
    }
}

} // namespace

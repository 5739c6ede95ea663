// The debugger window and the static message show values from the settings as text, never as
// markup that could hide or restyle the rest.
#include "services/EnvironmentDialog.h"
#include "services/StaticMessageService.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QLabel>

using namespace rnx10;
using namespace rnx10::test;

namespace {

QWidget *shownWindow(const QString &name)
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == name && widget->isVisible())
            return widget;
    return nullptr;
}

TEST(PlainTextWindows, DebuggerAndStaticMessageShowValuesWithMarkupAsText)
{
    Installation inst;
    const std::string config = inst.root() + "/<b>cfg <!-- x";
    inst.env.set("XDG_CONFIG_HOME", config);
    EnvironmentDialog dialog;
    auto *heading = dialog.findChild<QLabel *>(QStringLiteral("lblConfiguration"));
    ASSERT_TRUE(heading);
    EXPECT_EQ(heading->textFormat(), Qt::PlainText);
    EXPECT_TRUE(heading->text().endsWith(QString::fromStdString(config + "/zorvane/environment.ini")))
        << heading->text().toStdString();

    StaticMessageService messages;
    messages.UIShowStaticMessageDialog("Backing up <b>docs</b> <!-- x", true);
    QWidget *window = shownWindow(QStringLiteral("frmStaticMessage"));
    ASSERT_TRUE(window);
    auto *label = window->findChild<QLabel *>(QStringLiteral("lblMessage"));
    ASSERT_TRUE(label);
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(label->text(), "Backing up <b>docs</b> <!-- x");
    messages.UIHideStaticMessageDialog();
}

} // namespace

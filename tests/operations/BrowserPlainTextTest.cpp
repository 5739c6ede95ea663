// Names and values from the store shown by the browser as the text they are, never as markup:
// the restore question through the real message box, the status panels' tool tips.
#include "support/Appearance.h"
#include "support/BrowserFixture.h"

#include "backup_browser/frmBackUpRestoreA.h"
#include "platform/MessageBoxPrompt.h"
#include "platform/Platform.h"
#include "ui/PlainToolTip.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QPushButton>
#include <QTimer>
#include <QToolTip>

using namespace rnx10;
using namespace rnx10::test;

namespace {

// A source folder whose name would hide the rest of a rich-text question and embolden a part.
class BrowserPlainText : public BrowserFixture {
protected:
    void SetUp() override
    {
        source = inst.home() + "/docs <b>bold</b> <!-- x & more";
        makeFolders(source);
        writeFile(source + "/old.txt", "old");
        archive = store.archive(store.hour("09-00"), "arch", source);
        ASSERT_TRUE(open());
        pickHour("09-00");
    }

    std::string source, archive;
};

struct ShownBox {
    Qt::TextFormat format = Qt::AutoText;
    QString labelText;
    Qt::TextFormat labelFormat = Qt::AutoText;
};

// Looks at the first message box that shows, then answers it with a click on No.
void answerNoAndLook(ShownBox &seen, bool &done)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        if (!box || !box->isVisible())
            continue;
        seen.format = box->textFormat();
        if (auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))) {
            seen.labelText = label->text();
            seen.labelFormat = label->textFormat();
        }
        writeScreenshot(box, "restore-question-plain-text");
        QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
        done = true;
        return;
    }
    QTimer::singleShot(10, [&seen, &done] { answerNoAndLook(seen, done); });
}

TEST_F(BrowserPlainText, RestoreQuestionShowsTheWholeSourceName)
{
    ScopedPlatform realBoxes(PlatformHooks{std::make_shared<MessageBoxPrompt>(), nullptr, nullptr});
    clickRow("arch");
    ShownBox seen;
    bool done = false;
    QTimer::singleShot(0, [&] { answerNoAndLook(seen, done); });
    trigger("mnuPopUpStartRestore");
    ASSERT_TRUE(done) << "no question was shown";

    EXPECT_EQ(seen.format, Qt::PlainText);
    EXPECT_EQ(seen.labelFormat, Qt::PlainText);
    const QString question = QString::fromStdString("Are you sure you want to copy " + archive + "/copy to " + source +
                                                    " . This will delete old data.");
    EXPECT_EQ(seen.labelText, question);
    EXPECT_EQ(readFile(source + "/old.txt"), "old") << "No was answered";
}

TEST_F(BrowserPlainText, StatusPanelToolTipsShowTheNamesAsTheyAre)
{
    clickRow("arch");
    auto *panel = child<QLabel>("StatusBar1Panel1");
    ASSERT_TRUE(panel);
    // What a tool tip shows: Qt renders it as rich text when it looks like markup.
    const QString shown = toolTipPlainText(panel->toolTip());
    EXPECT_TRUE(shown.startsWith(QString::fromStdString(source))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("Size : "))) << shown.toStdString();
    QToolTip::showText(panel->mapToGlobal(QPoint(4, 4)), panel->toolTip(), panel);
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("qtooltip_label") && widget->isVisible())
            writeScreenshot(widget, "status-panel-tool-tip-plain-text");
    QToolTip::hideText();

    // The report's name comes from the environment; its path is the report button's tool tip.
    inst.env.set("ZVENVSCOM", "<b>pc<b> <!-- x");
    click("cmdReport");
    EXPECT_TRUE(boxes().empty()) << lastText();
    EXPECT_EQ(toolTipPlainText(child<QPushButton>("cmdReport")->toolTip()).toStdString(),
              inst.store() + "/<b>pc<b> <!-- x.txt");
}

} // namespace

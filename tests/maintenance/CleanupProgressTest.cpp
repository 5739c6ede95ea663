// The dialog's cleanup as a window job: held in its first deletion until the test lets it go, it
// shows a progress dialog without Cancel, and the dialog takes no second clearing meanwhile.
#include "GuardedFileSystem.h"

#include "component/clsRNX10A.h"
#include "maintenance/frmMaintainceA.h"
#include "support/ReleaseGate.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>


using namespace rnx10;
using namespace rnx10::test;

namespace {

class HeldFileSystem : public GuardedFileSystem {
public:
    using GuardedFileSystem::GuardedFileSystem;

    void deleteFolder(const std::string &path, bool force) override
    {
        m_gate.pass();
        GuardedFileSystem::deleteFolder(path, force);
    }
    void release() { m_gate.open(); }

private:
    ReleaseGate m_gate;
};

TEST(CleanupProgress, AHeldCleanupShowsADialogWithoutCancelAndRefusesASecondClearing)
{
    Installation inst;
    auto fs = std::make_shared<HeldFileSystem>(inst.root());
    ScopedFileSystem scopedFs(fs);
    clsRNX10A rnx;
    writeFile(inst.logs() + "/bar.ini", "[Backup]\n");

    frmMaintainceA form;
    form.show();
    bool cancelOffered = true;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &poll, [&, ticks = 0]() mutable {
        QProgressDialog *dialog = shownProgressDialog();
        if (!dialog && ++ticks < 3000)
            return;
        poll.stop();
        if (dialog) {
            cancelOffered = !dialog->findChildren<QPushButton *>().isEmpty();
            QTest::mouseClick(form.findChild<QPushButton *>("cmdLogsAndTemp"), Qt::LeftButton);
        } else {
            ADD_FAILURE() << "no progress dialog for the held cleanup";
        }
        fs->release();
    });
    poll.start(10);
    QTest::mouseClick(form.findChild<QPushButton *>("cmdLogsAndTemp"), Qt::LeftButton);

    EXPECT_FALSE(cancelOffered);
    ASSERT_EQ(inst.prompt->boxes.size(), 2u); // one question, one success: the second click asked nothing
    EXPECT_EQ(inst.prompt->boxes[1].text, "Succesfully deleted.");
    EXPECT_FALSE(exists(inst.logs() + "/bar.ini"));
    EXPECT_TRUE(form.isVisible());
}

TEST(CleanupProgress, EscapeOrCloseOnTheHeldCleanupsDialogChangeNothingAndBackupNowIsRefused)
{
    Installation inst;
    auto fs = std::make_shared<HeldFileSystem>(inst.root());
    ScopedFileSystem scopedFs(fs);
    clsRNX10A rnx;
    writeFile(inst.logs() + "/old.log", "x");

    frmMaintainceA form;
    form.show();
    QPointer<QProgressDialog> shown;
    bool keptShowing = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &poll, [&, ticks = 0]() mutable {
        QProgressDialog *dialog = shownProgressDialog();
        if (!shown && dialog) {
            shown = dialog;
            QTest::keyClick(dialog, Qt::Key_Escape);
            dialog->close();
            // Every command of the window is refused while its job runs.
            QTest::mouseClick(form.findChild<QPushButton *>("cmdStartBackups"), Qt::LeftButton);
            QTest::mouseDClick(form.findChild<QWidget *>("imgLog"), Qt::LeftButton);
            return; // looked at again on the next tick
        }
        if (!shown && ++ticks < 3000)
            return;
        poll.stop();
        keptShowing = shown && shown->isVisible();
        if (!shown)
            ADD_FAILURE() << "no progress dialog for the held cleanup";
        fs->release();
    });
    poll.start(10);
    QTest::mouseClick(form.findChild<QPushButton *>("cmdLogsAndTemp"), Qt::LeftButton);

    EXPECT_TRUE(keptShowing);
    ASSERT_EQ(inst.prompt->boxes.size(), 2u) << inst.prompt->boxes.back().text; // no "Proceed..." question
    EXPECT_EQ(inst.prompt->boxes[1].text, "Succesfully deleted.");
    EXPECT_TRUE(inst.shell->opened.empty());
    EXPECT_FALSE(exists(inst.logs() + "/bar.ini")) << "the quick backup wrote into the folder being emptied";
    EXPECT_FALSE(exists(inst.logs() + "/old.log"));
    EXPECT_TRUE(form.isVisible());
}

} // namespace

#include "GuardedFileSystem.h"

#include "automation/AutomationError.h"
#include "component/clsRNX10A.h"
#include "maintenance/frmMaintainceA.h"
#include "maintenance/MaintenanceCommand.h"
#include "services/ProgIds.h"
#include "services/ServiceSet.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <linux/fs.h>
#include <sys/ioctl.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <functional>

using namespace rnx10;
using namespace rnx10::test;

namespace {

template <typename T = QWidget> T *child(QWidget &form, const char *name)
{
    T *found = form.findChild<T *>(QString::fromUtf8(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QWidget *control(QWidget &form, const std::string &name)
{
    if (name == "tab bar")
        return child<QTabWidget>(form, "SSTab1")->tabBar();
    return child(form, name.c_str());
}

frmMaintainceA *shownDialog()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *form = qobject_cast<frmMaintainceA *>(w); form && form->isVisible())
            return form;
    return nullptr;
}

// Acts on the dialog once the maintenance command shows it; closes it afterwards if still open.
void whenShown(std::function<void(frmMaintainceA &)> act)
{
    QTimer::singleShot(0, [act] {
        frmMaintainceA *form = shownDialog();
        if (!form) {
            ADD_FAILURE() << "the maintenance dialog is not shown";
            return;
        }
        act(*form);
        if (form->isVisible())
            form->close();
    });
}

// Sees which key presses reach a control.
class KeyRecorder : public QObject {
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress)
            keys.push_back(static_cast<QKeyEvent *>(event)->key());
        return false;
    }
    std::vector<int> keys;
};

// Notes whether a maintenance dialog was still showing when something was opened.
class WatchingShell : public FakeShell {
public:
    bool open(const std::string &target, int showCommand) override
    {
        dialogShownAtOpen = dialogShownAtOpen || shownDialog() != nullptr;
        return FakeShell::open(target, showCommand);
    }
    bool dialogShownAtOpen = false;
};

TEST(MaintenanceDialog, ControlsCarryTheirTextsTooltipsAndFonts)
{
    frmMaintainceA form;
    EXPECT_EQ(form.windowTitle(), "Zorvane Maintaince");
    auto *tabs = child<QTabWidget>(form, "SSTab1");
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), "General");
    EXPECT_EQ(tabs->tabText(1), "Advanced");
    EXPECT_TRUE(tabs->widget(1)->findChildren<QWidget *>().isEmpty());

    const std::pair<const char *, const char *> texts[] = {
        {"lblLogs", "The log files contains all the log information about zorvane technologies, automation and "
                    "products including system infromation and catcup files."},
        {"Label1", "You should regularly take backup of your important data."}};
    for (auto [name, text] : texts) {
        auto *label = child<QLabel>(form, name);
        EXPECT_EQ(label->text(), text);
        EXPECT_EQ(label->font().family(), "Verdana");
        EXPECT_TRUE(tabs->widget(0)->isAncestorOf(label));
    }
    const std::pair<const char *, const char *> buttons[] = {
        {"cmdLogsAndTemp", "Delete Log files..."}, {"cmdStartBackups", "Backup Now..."}, {"cmdOK", "&OK"}};
    for (auto [name, text] : buttons)
        EXPECT_EQ(child<QPushButton>(form, name)->text(), text);
    for (const char *name : {"imgLog", "Image1"})
        EXPECT_EQ(child(form, name)->toolTip(), "Double click to browse log folder now");
    for (const char *name : {"Line1", "Line2"})
        EXPECT_EQ(child<QFrame>(form, name)->frameShape(), QFrame::HLine);
}

TEST(MaintenanceDialog, WindowSeesEscapeBeforeAnyControlAndOtherKeysGoOn)
{
    for (const std::string name : {"cmdLogsAndTemp", "cmdStartBackups", "cmdOK", "tab bar"}) {
        SCOPED_TRACE(name);
        frmMaintainceA form;
        form.show();
        KeyRecorder recorder;
        control(form, name)->installEventFilter(&recorder);
        QTest::keyClick(control(form, name), Qt::Key_A);
        EXPECT_TRUE(form.isVisible());
        QTest::keyClick(control(form, name), Qt::Key_Escape);
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(recorder.keys, std::vector<int>{Qt::Key_A});
    }
}

TEST(MaintenanceDialog, EveryShowingIsAFreshWindowOnGeneral)
{
    Installation inst;
    QPointer<frmMaintainceA> first;
    whenShown([&](frmMaintainceA &form) {
        first = &form;
        auto *tabs = child<QTabWidget>(form, "SSTab1");
        QTest::keyClick(tabs->tabBar(), Qt::Key_Right);
        EXPECT_EQ(tabs->currentIndex(), 1);
        QTest::keyClick(tabs->tabBar(), Qt::Key_Escape);
    });
    showMaintenanceDialog();
    EXPECT_TRUE(first.isNull()) << "closing did not unload the window";

    int shownTab = -1;
    whenShown([&](frmMaintainceA &form) { shownTab = child<QTabWidget>(form, "SSTab1")->currentIndex(); });
    showMaintenanceDialog();
    EXPECT_EQ(shownTab, 0);
}

TEST(MaintenanceDialog, DeleteLogFilesAsksClearsLogsThenTemporaryFoldersAndTells)
{
    struct Row {
        const char *label;
        Answer answer;
        bool deletionsFail;
    };
    for (const Row &row : {Row{"No", Answer::No, false}, Row{"Yes", Answer::Yes, false},
                           Row{"Yes, nothing deletable", Answer::Yes, true}}) {
        SCOPED_TRACE(row.label);
        Installation inst;
        auto fs = std::make_shared<GuardedFileSystem>(inst.root());
        fs->failEverything = row.deletionsFail;
        ScopedFileSystem scopedFs(fs);
        clsRNX10A rnx;
        writeFile(inst.logs() + "/bar.ini", "[Backup]\n");
        writeFile(inst.userTemp() + "/t.txt", "t");
        inst.prompt->answers = {row.answer};

        frmMaintainceA form;
        form.show();
        QTest::mouseClick(child(form, "cmdLogsAndTemp"), Qt::LeftButton);

        EXPECT_TRUE(form.isVisible());
        const bool cleared = row.answer == Answer::Yes && !row.deletionsFail;
        EXPECT_EQ(exists(inst.logs() + "/bar.ini"), !cleared);
        EXPECT_EQ(exists(inst.userTemp() + "/t.txt"), !cleared);
        EXPECT_TRUE(exists(inst.logs()));
        auto &boxes = inst.prompt->boxes;
        ASSERT_EQ(boxes.size(), row.answer == Answer::Yes ? 2u : 1u);
        EXPECT_EQ(boxes[0].text, "Do you want to clear all log files?");
        EXPECT_EQ(boxes[0].title, "Confirm...");
        EXPECT_TRUE(boxes[0].question);
        if (row.answer == Answer::No) {
            EXPECT_TRUE(fs->requested.empty());
            continue;
        }
        EXPECT_EQ(boxes[1].title, "Deleted...");
        if (row.deletionsFail) { // what stayed is named, never told as a success
            EXPECT_EQ(boxes[1].icon, Icon::Warning);
            EXPECT_NE(boxes[1].text.find(inst.logs() + "/bar.ini"), std::string::npos) << boxes[1].text;
        } else {
            EXPECT_EQ(boxes[1].text, "Succesfully deleted.");
            EXPECT_EQ(boxes[1].icon, Icon::Information);
        }
        ASSERT_GE(fs->requested.size(), 2u);
        EXPECT_EQ(fs->requested[0], inst.logs());
        // Then, after what is inside the log folder when it could not go whole, the temporary folder.
        const auto next = std::find_if(fs->requested.begin(), fs->requested.end(),
                                       [&](const std::string &path) { return path.rfind(inst.logs(), 0) != 0; });
        ASSERT_NE(next, fs->requested.end());
        EXPECT_EQ(*next, inst.suiteTemp());
    }
}

TEST(MaintenanceDialog, DeleteLogFilesNamesTheFolderSkippedForHoldingTheStore)
{
    Installation inst;
    auto fs = std::make_shared<GuardedFileSystem>(inst.root());
    ScopedFileSystem scopedFs(fs);
    clsRNX10A rnx;
    inst.env.set("ZVENVSBAK", inst.logs() + "/archives");
    makeFolders(inst.logs() + "/archives");
    writeFile(inst.logs() + "/archives/a.dat", "a");
    writeFile(inst.userTemp() + "/t.txt", "t");
    inst.prompt->answers = {Answer::Yes};

    frmMaintainceA form;
    form.show();
    QTest::mouseClick(child(form, "cmdLogsAndTemp"), Qt::LeftButton);

    EXPECT_TRUE(exists(inst.logs() + "/archives/a.dat"));
    EXPECT_FALSE(exists(inst.userTemp() + "/t.txt"));
    auto &boxes = inst.prompt->boxes;
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_NE(boxes[1].text, "Succesfully deleted.");
    EXPECT_NE(boxes[1].text.find(inst.logs()), std::string::npos) << boxes[1].text;
    EXPECT_EQ(boxes[1].icon, Icon::Warning);
}

// Sets or clears a file's immutable flag; false where the account or the file system cannot.
static bool setImmutable(const std::string &path, bool on)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

TEST(MaintenanceDialog, AnEntryThatCannotBeDeletedIsNamedAndEverythingElseGoes)
{
    Installation inst;
    clsRNX10A rnx;
    const std::string logs = inst.logs();
    const std::string locked = logs + "/sub1/c-locked";
    makeFolders(logs + "/sub1/deeper");
    makeFolders(logs + "/zsub");
    for (const char *name : {"/a", "/sub1/c-locked", "/sub1/d", "/sub1/f", "/sub1/deeper/g", "/zsub/f"})
        writeFile(logs + name, name);
    if (!setImmutable(locked, true))
        GTEST_SKIP() << "the immutable flag needs root and a file system that keeps it";
    struct Unlock {
        std::string path;
        ~Unlock() { setImmutable(path, false); }
    } unlock{locked};
    inst.prompt->answers = {Answer::Yes};

    frmMaintainceA form;
    form.show();
    QTest::mouseClick(child(form, "cmdLogsAndTemp"), Qt::LeftButton);

    EXPECT_TRUE(exists(locked));
    for (const char *name : {"/a", "/sub1/d", "/sub1/f", "/sub1/deeper", "/zsub"})
        EXPECT_FALSE(exists(logs + name)) << name;
    auto &boxes = inst.prompt->boxes;
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].icon, Icon::Warning);
    EXPECT_NE(boxes[1].text.find(locked), std::string::npos) << boxes[1].text;
    EXPECT_EQ(boxes[1].text.find("Succesfully"), std::string::npos) << boxes[1].text;
}

TEST(MaintenanceDialog, BackupNowNoKeepsTheDialogYesClosesItThenBacksUp)
{
    Installation inst;
    auto shell = std::make_shared<WatchingShell>();
    ScopedPlatform watching(PlatformHooks{nullptr, shell, nullptr});
    clsRNX10A rnx;
    inst.prompt->answers = {Answer::No, Answer::Yes};
    bool openAfterNo = false;
    whenShown([&](frmMaintainceA &form) {
        QTest::mouseClick(child(form, "cmdStartBackups"), Qt::LeftButton);
        openAfterNo = form.isVisible() && !exists(inst.logs() + "/bar.ini") && shell->opened.empty();
        QTest::mouseClick(child(form, "cmdStartBackups"), Qt::LeftButton);
    });
    std::int32_t hwnd = 0;
    rnx.ExecuteSupportCenter(hwnd, "RNXRUN_MAINTAIN");

    EXPECT_TRUE(openAfterNo);
    ASSERT_EQ(inst.prompt->boxes.size(), 2u);
    EXPECT_EQ(inst.prompt->boxes[0].text, "Do you want to start backup operations click yes this screen will "
                                          "automatically close., it may take long time depends upon your speed of "
                                          "computer.");
    EXPECT_EQ(inst.prompt->boxes[0].title, "Proceed...");
    EXPECT_TRUE(inst.prompt->boxes[0].systemModal);
    EXPECT_NE(readFile(inst.logs() + "/bar.ini").find("LastTaken"), std::string::npos);
    ASSERT_EQ(shell->opened.size(), 2u);
    EXPECT_EQ(shell->opened[0].first, inst.programRoot() + "/1.0/Sys/regbak.exe");
    EXPECT_EQ(shell->opened[1].first, inst.programRoot() + "/1.0/Sys/shellbak.exe");
    EXPECT_FALSE(shell->dialogShownAtOpen);

    // The one-call instance is gone; the caller's keeps working.
    EXPECT_NO_THROW(rnx.RunBackupComputer());
    EXPECT_EQ(shell->opened.size(), 4u);
}

TEST(MaintenanceDialog, BothLogPicturesOpenTheLogFolderOnDoubleClick)
{
    Installation inst;
    clsRNX10A rnx;
    for (const char *name : {"imgLog", "Image1"}) {
        SCOPED_TRACE(name);
        inst.shell->opened.clear();
        frmMaintainceA form;
        form.show();
        QTest::mouseDClick(child(form, name), Qt::LeftButton);
        ASSERT_EQ(inst.shell->opened.size(), 1u);
        EXPECT_EQ(inst.shell->opened[0], std::make_pair(inst.logs(), 3));
    }
}

TEST(MaintenanceDialog, FailuresReachingAHandlerAreToldWithTheirDescription)
{
    Installation inst;
    {
        services().releaseAll(); // no instance: the runtime service is not there
        frmMaintainceA form;
        form.show();
        QTest::mouseDClick(child(form, "imgLog"), Qt::LeftButton);
        ASSERT_EQ(inst.prompt->boxes.size(), 1u);
        EXPECT_EQ(inst.prompt->boxes[0].text, err::objectNotSet().description());
        EXPECT_EQ(inst.prompt->boxes[0].title, "rnx10");
        EXPECT_EQ(inst.prompt->boxes[0].icon, Icon::Critical);
    }
    clsRNX10A rnx;
    inst.prompt->boxes.clear();
    {
        ScopedFactory failingRuntime(progid::Runtime, []() -> std::shared_ptr<void> { throw err::cantCreateObject(); });
        whenShown([](frmMaintainceA &form) { QTest::mouseClick(child(form, "cmdStartBackups"), Qt::LeftButton); });
        std::int32_t hwnd = 0;
        rnx.ExecuteSupportCenter(hwnd, "RNXRUN_MAINTAIN");
    }

    ASSERT_EQ(inst.prompt->boxes.size(), 2u);
    EXPECT_EQ(inst.prompt->boxes[1].text, err::cantCreateObject().description());
    EXPECT_EQ(inst.prompt->boxes[1].icon, Icon::Critical);
    EXPECT_TRUE(inst.shell->opened.empty());
    EXPECT_NO_THROW(rnx.RunBackupComputer());
}

} // namespace

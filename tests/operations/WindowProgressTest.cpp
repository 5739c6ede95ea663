// The browser's long jobs through the window: the progress dialog, Cancel where it is safe, the
// window painting and refusing other commands meanwhile. A job is made long by holding it in the
// file-system object until the test lets it go; nothing here measures time.
#include "support/BrowserFixture.h"
#include "support/ReleaseGate.h"
#include "support/ScopedFactory.h"


#include "automation/AutomationError.h"
#include "automation/ObjectRegistry.h"
#include "backup_browser/frmBackUpRestoreA.h"
#include "backup_browser/LockerSize.h"
#include "platform/FileSystemObject.h"
#include "platform/MousePointer.h"
#include "platform/walk/WalkProgress.h"
#include "services/ProgIds.h"
#include "services/ServiceSet.h"
#include "ui/Accessibility.h"

#include <QAction>
#include <QComboBox>
#include <QApplication>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <functional>

using namespace rnx10;
using namespace rnx10::test;

namespace {

// Holds the worker inside one kind of file-system call until released.
class HeldFileSystem : public FileSystemObject {
public:
    enum class Hold { Nothing, Delete, Copy, Size, Report };

    void deleteFolder(const std::string &path, bool force) override
    {
        wait(Hold::Delete);
        if (failDelete)
            throw err::permissionDenied(path + " is in use");
        FileSystemObject::deleteFolder(path, force);
    }
    void deleteOpenedFolder(const Descriptor &parent, const std::string &name, const Descriptor &folder,
                            const std::string &path, bool force) override
    {
        wait(Hold::Delete);
        if (failDelete)
            throw err::permissionDenied(path + " is in use");
        FileSystemObject::deleteOpenedFolder(parent, name, folder, path, force);
    }
    void copyFolder(const std::string &source, const std::string &destination, bool overwrite) override
    {
        wait(Hold::Copy);
        FileSystemObject::copyFolder(source, destination, overwrite);
    }
    std::uint64_t folderSize(const std::string &path) override
    {
        wait(Hold::Size);
        return FileSystemObject::folderSize(path);
    }
    // The report lists the store's top level first, on its worker; the window thread is never held.
    std::vector<std::string> subFolders(const std::string &path) override
    {
        if (QThread::currentThread() != QCoreApplication::instance()->thread())
            wait(Hold::Report);
        return FileSystemObject::subFolders(path);
    }

    void release() { m_gate.open(); }

    std::atomic<Hold> hold{Hold::Nothing};
    bool failDelete = false;

private:
    void wait(Hold kind)
    {
        if (hold == kind)
            m_gate.pass(true); // the next call is held again
    }

    ReleaseGate m_gate;
};

QPushButton *cancelButton(QProgressDialog &dialog)
{
    for (QPushButton *b : dialog.findChildren<QPushButton *>())
        if (b->isVisible())
            return b;
    return nullptr;
}

// Counts the paint events a widget gets.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
    int paints = 0;
};

class WindowProgress : public BrowserFixture {
protected:
    void SetUp() override
    {
        rnx = std::make_unique<clsRNX10A>(); // the held file system emptied the service set
        source = inst.home() + "/docs";
        makeFolders(source + "/kept");
        writeFile(source + "/kept/old.txt", "old");
        archive = store.archive(store.hour("09-00"), "arch", source);
        ASSERT_TRUE(open());
        pickHour("09-00");
    }
    void TearDown() override
    {
        fs->release();
        BrowserFixture::TearDown();
    }

    // On each tick of the event loop that the held job keeps turning, once its dialog shows, act
    // on the dialog until act returns true; then the job is let go. Gives up, failing, when no
    // dialog comes.
    void whenDialogShows(std::function<bool(QProgressDialog &)> act)
    {
        auto *poll = new QTimer(m_window);
        poll->setInterval(10);
        QObject::connect(poll, &QTimer::timeout, poll, [this, poll, act, ticks = 0]() mutable {
            QProgressDialog *dialog = shownProgressDialog();
            if (!dialog || !act(*dialog)) {
                if (++ticks < 3000)
                    return;
                ADD_FAILURE() << "the held job's dialog never showed or did not do what was awaited";
            }
            poll->stop();
            poll->deleteLater();
            fs->release();
        });
        poll->start();
    }

    std::shared_ptr<HeldFileSystem> fs = std::make_shared<HeldFileSystem>();
    ScopedFileSystem m_held{fs};
    std::string source, archive;
};

TEST_F(WindowProgress, ALongDeletionShowsTheDialogWhileTheWindowPaintsAndRefusesOtherCommands)
{
    PaintCounter counter;
    m_window->installEventFilter(&counter);
    fs->hold = HeldFileSystem::Hold::Delete;
    int paintsAtShow = -1;
    QString label;
    bool cancelOffered = true;
    whenDialogShows([&](QProgressDialog &dialog) {
        if (paintsAtShow >= 0)
            return counter.paints > paintsAtShow; // the window painted while the job was held
        label = dialog.labelText();
        cancelOffered = cancelButton(dialog) != nullptr;
        // A second command of every kind is refused while the first runs.
        trigger("mnuPopUpDeleteHour");
        trigger("mnuPopUpStartRestore");
        click("cmdReport");
        click("cmdRegBackup");
        m_window->AddinTV();
        m_window->close();
        paintsAtShow = counter.paints;
        m_window->update();
        return false;
    });
    clearAndTrigger("mnuPopUpDeleteDay");
    const std::string day = store.day(QDate::currentDate());
    EXPECT_TRUE(label.contains(QString::fromStdString(day))) << label.toStdString();
    EXPECT_FALSE(cancelOffered);
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_EQ(boxes()[1].text, "Succesfully deleted...");
    EXPECT_FALSE(exists(day));
    EXPECT_TRUE(inst.shell->opened.empty());
    EXPECT_EQ(m_window->HourFolder(), store.hour("09-00")); // the refused scan left the lists alone
    EXPECT_EQ(currentMousePointer(), MousePointer::Arrow);
    // The close asked for meanwhile is carried out after the job.
    QCoreApplication::processEvents();
    EXPECT_FALSE(shownBrowser());
}

TEST_F(WindowProgress, TheDialogsPartsHaveAccessibleNames)
{
    fs->hold = HeldFileSystem::Hold::Copy; // a restore: its dialog offers Cancel
    QStringList unnamed;
    whenDialogShows([&](QProgressDialog &dialog) {
        QList<QWidget *> parts = dialog.findChildren<QWidget *>();
        parts.prepend(&dialog);
        for (QWidget *part : parts)
            if (accessibleNameOf(part).isEmpty())
                unnamed << QString::fromLatin1(part->metaObject()->className());
        return true;
    });
    clickRow("arch");
    clearAndTrigger("mnuPopUpStartRestore");
    EXPECT_EQ(firstLine(boxes().back().text), "Done...");
    EXPECT_EQ(unnamed, QStringList());
}

TEST_F(WindowProgress, EscapeOrCloseOnAHeldJobsDialogChangeNothingAndNoCommandStarts)
{
    const struct {
        const char *entry;
        HeldFileSystem::Hold hold;
        const char *done; // the operation's last box: it ran to its end
    } cases[] = {
        {"mnuPopUpDeleteArchive", HeldFileSystem::Hold::Delete, "Succesfully deleted..."},
        {"mnuPopUpStartRestore", HeldFileSystem::Hold::Copy, "Done..."}, // a job that offers Cancel
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.entry);
        clickRow("arch");
        fs->hold = c.hold;
        QPointer<QProgressDialog> shown;
        bool keptShowing = false;
        whenDialogShows([&](QProgressDialog &dialog) {
            if (shown) {
                keptShowing = shown->isVisible(); // a tick later: nothing hid it meanwhile
                return true;
            }
            shown = &dialog;
            QTest::keyClick(&dialog, Qt::Key_Escape);
            dialog.close();
            // The window's commands, the quick backup first, are refused while the job runs.
            trigger("mnuPopUpStartBackup");
            click("cmdRegBackup");
            trigger("mnuPopUpOpenFolder");
            return false;
        });
        boxes().clear();
        trigger(c.entry);
        fs->hold = HeldFileSystem::Hold::Nothing;
        EXPECT_TRUE(keptShowing);
        ASSERT_FALSE(boxes().empty());
        EXPECT_EQ(firstLine(boxes().back().text), c.done);
        for (const FakePrompt::Box &box : boxes())
            EXPECT_NE(box.title, "Proceed...") << "the quick backup was offered during the job";
        EXPECT_TRUE(inst.shell->opened.empty());
        EXPECT_TRUE(shownBrowser());
        store.archive(store.hour("09-00"), "arch", source);
        m_window->RefreshAdd();
        pickHour("09-00");
    }
}

TEST_F(WindowProgress, AFillThatWorksTakesAnEarlierFillsErrorOutOfPanel2)
{
    const struct {
        const char *label;
        std::function<void()> failing, working;
    } cases[] = {
        {"list, then list", [this] { m_window->AddinLv(); }, [this] { m_window->AddinLv(); }},
        {"list, then scan", [this] { m_window->AddinLv(); }, [this] { m_window->AddinTV(); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        pickHour("09-00"); // the list has an hour to measure
        fs->hold = HeldFileSystem::Hold::Size;
        whenDialogShows([](QProgressDialog &dialog) {
            if (QPushButton *cancel = cancelButton(dialog))
                QTest::mouseClick(cancel, Qt::LeftButton);
            return true;
        });
        c.failing();
        ASSERT_EQ(m_window->statusText(2), walk::interrupted().description());
        fs->hold = HeldFileSystem::Hold::Nothing;
        c.working();
        EXPECT_EQ(m_window->statusText(2), "");
    }
}

TEST_F(WindowProgress, CancelDuringTheRestoresCopyLeavesTheSourceAndNoFolderBeside)
{
    const auto before = treeListing(inst.home());
    fs->hold = HeldFileSystem::Hold::Copy;
    clickRow("arch");
    whenDialogShows([](QProgressDialog &dialog) {
        QPushButton *cancel = cancelButton(dialog);
        EXPECT_TRUE(cancel);
        if (cancel)
            QTest::mouseClick(cancel, Qt::LeftButton);
        return true;
    });
    clearAndTrigger("mnuPopUpStartRestore");
    ASSERT_EQ(boxes().size(), 1u); // the question; no "Done...", no error for the user's own Cancel
    EXPECT_TRUE(boxes()[0].question);
    EXPECT_EQ(treeListing(inst.home()), before);
    EXPECT_EQ(currentMousePointer(), MousePointer::Arrow);
}

// Whether this process holds a descriptor open on path.
bool holdsOpen(const std::string &path)
{
    for (const auto &fd : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code ec;
        if (std::filesystem::read_symlink(fd.path(), ec) == path)
            return true;
    }
    return false;
}

TEST_F(WindowProgress, CancelStopsTheReportAndClosesItsFile)
{
    const std::string report = inst.store() + "/report.txt";
    fs->hold = HeldFileSystem::Hold::Report;
    bool openWhileHeld = false;
    whenDialogShows([&](QProgressDialog &dialog) {
        openWhileHeld = holdsOpen(report);
        if (QPushButton *cancel = cancelButton(dialog))
            QTest::mouseClick(cancel, Qt::LeftButton);
        return true;
    });
    const QString toolTip = child<QPushButton>("cmdReport")->toolTip();
    boxes().clear();
    click("cmdReport");
    EXPECT_TRUE(openWhileHeld) << "the job was not held with its report open";
    EXPECT_FALSE(holdsOpen(report)) << "the report file is still open";
    EXPECT_TRUE(boxes().empty());
    EXPECT_TRUE(inst.shell->opened.empty());
    EXPECT_EQ(child<QPushButton>("cmdReport")->toolTip(), toolTip);
    EXPECT_EQ(currentMousePointer(), MousePointer::Arrow);
}

TEST_F(WindowProgress, ACancelledSizeWalkShowsWhatAFailingOneShows)
{
    fs->hold = HeldFileSystem::Hold::Size;
    // Lambdas, not pointers to members: gcc's vptr check misreads a call through one.
    const struct {
        const char *fill;
        std::function<void()> run;
    } cases[] = {{"archive list", [this] { m_window->AddinLv(); }}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.fill);
        whenDialogShows([](QProgressDialog &dialog) {
            QPushButton *cancel = cancelButton(dialog);
            EXPECT_TRUE(cancel);
            if (cancel)
                QTest::mouseClick(cancel, Qt::LeftButton);
            return true;
        });
        c.run();
        EXPECT_EQ(m_window->statusText(2), walk::interrupted().description());
        EXPECT_TRUE(boxes().empty());
        EXPECT_TRUE(shownBrowser());
    }
}

TEST_F(WindowProgress, AnErrorOfAHeldJobReachesTheMessageBox)
{
    fs->hold = HeldFileSystem::Hold::Delete;
    fs->failDelete = true;
    const struct {
        const char *entry;
        std::size_t boxesBeforeError; // the question, and for the archive the folder it names
    } cases[] = {{"mnuPopUpDeleteDay", 1}, {"mnuPopUpDeleteArchive", 2}};
    clickRow("arch");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.entry);
        whenDialogShows([](QProgressDialog &) { return true; });
        clearAndTrigger(c.entry);
        ASSERT_EQ(boxes().size(), c.boxesBeforeError + 1);
        EXPECT_EQ(boxes().back().icon, Icon::Critical);
        EXPECT_NE(boxes().back().text.find("is in use"), std::string::npos) << boxes().back().text;
        EXPECT_TRUE(exists(archive));
        EXPECT_EQ(currentMousePointer(), MousePointer::Arrow);
    }
}

} // namespace

// A date click lists the date's folders only: the computer folder's size comes from a worker
// afterwards, without a progress dialog, and the tooltip keeps the last size until it arrives.
TEST_F(WindowProgress, ADateClickListsTheHoursWhileTheComputerFoldersSizeIsHeld)
{
    auto *locker = child<QWidget>("imgLocker");
    const QString measured = locker->toolTip();
    ASSERT_FALSE(measured.isEmpty());
    const struct {
        const char *opening;
        QString toolTipMeanwhile; // what the tooltip shows while the walk is held
    } cases[] = {
        {"first click of an opening", QString()},
        {"a second click of the same opening", measured},
    };
    m_window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    fs->hold = HeldFileSystem::Hold::Size;
    ASSERT_TRUE(open(LeaveLockerSize));
    auto *size = m_window->findChild<LockerSize *>();
    ASSERT_TRUE(size);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.opening);
        m_window->AddinTV(); // what a click on the calendar runs
        EXPECT_EQ(child<QComboBox>("lstTime")->count(), 1);
        EXPECT_EQ(m_window->statusText(1), "1 archives found.");
        EXPECT_EQ(shownProgressDialog(), nullptr);
        EXPECT_EQ(child<QWidget>("imgLocker")->toolTip(), c.toolTipMeanwhile);
        if (size->running()) {
            fs->release();
            while (size->running())
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
        EXPECT_EQ(child<QWidget>("imgLocker")->toolTip(), measured);
    }
}

// While the window stays open its size follows what it deletes; no second walk of the store runs.
TEST_F(WindowProgress, ADeletionTakesItsSizeOffTheLockersSizeWithoutAnotherWalk)
{
    auto *size = m_window->findChild<LockerSize *>();
    ASSERT_TRUE(size && size->known());
    const std::uint64_t before = *size->known();
    const std::uint64_t archiveBytes = FileSystemObject().folderSize(archive);
    ASSERT_GT(archiveBytes, 0u);
    clickRow("arch");
    trigger("mnuPopUpDeleteArchive");
    EXPECT_FALSE(size->running());
    ASSERT_TRUE(size->known());
    EXPECT_EQ(*size->known(), before - archiveBytes);
    EXPECT_EQ(*size->known(), FileSystemObject().folderSize(store.computer()));
}

#include "WalkFixtures.h"

#include "automation/AutomationError.h"
#include "platform/FileSystemObject.h"
#include "platform/walk/FolderWalk.h"
#include "platform/walk/SubtreeSplit.h"
#include "platform/walk/WorkerPriority.h"
#include "support/TestSupport.h"
#include "ui/ProgressRunner.h"

#include <QApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

#include <mutex>
#include <thread>
#include <vector>

using namespace rnx10;
using namespace rnx10::test;

namespace {

void smallStore(const std::string &root)
{
    for (const char *f : {"pc/2024/1/1/10", "pc/2024/1/2/11", "pc/2025/3/4/12", "pc/2025/5/6/13"}) {
        makeFolders(root + "/" + f + "/archive/copy");
        writeBytes(root + "/" + f + "/archive/copy/data", 10);
    }
}

TEST(WalkProgress, CountsWhatTheSizeWalkDid)
{
    ScratchDir scratch;
    smallStore(scratch.path());
    walk::WalkProgress progress;
    EXPECT_EQ(walk::treeSize(scratch.path(), &progress), 40u);
    EXPECT_EQ(progress.bytes.load(), 40u);
    EXPECT_GE(progress.entries.load(), 4u * 8); // four chains of seven folders and a file
}

TEST(WalkProgress, CancelStopsEveryWalkWithError18)
{
    ScratchDir scratch;
    smallStore(scratch / "store");
    walk::WalkProgress cancelled;
    cancelled.cancel = true;
    const AutomationError e = expectError(18, [&] { walk::treeSize(scratch / "store", &cancelled); });
    EXPECT_EQ(e.description(), "User interrupt occurred");
    expectError(18, [&] { walk::copyTree(scratch / "store", scratch / "copy", false, &cancelled); });
    expectError(18, [&] { walk::removeTree(scratch / "store", true, &cancelled); });
    EXPECT_TRUE(exists(scratch / "store/pc/2024"));
}

TEST(WalkProgress, CancelDuringTheReportWalkStopsAtTheNextFolder)
{
    ScratchDir scratch;
    smallStore(scratch.path());
    walk::WalkProgress progress;
    int visits = 0;
    expectError(18, [&] {
        walk::forEachFolder(
            scratch.path(),
            [&](const std::string &) {
                if (++visits == 3)
                    progress.cancel = true;
                return true;
            },
            &progress);
    });
    EXPECT_EQ(visits, 3);
}

// Finds the runner's dialog once it shows and lets the test act on it.
QProgressDialog *shownDialog()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *d = qobject_cast<QProgressDialog *>(w); d && d->isVisible())
            return d;
    return nullptr;
}

// A job that runs until the dialog has been seen (or cancelled), so the test needs no clock.
struct WaitingJob {
    std::atomic<bool> seen{false};
    void operator()(walk::WalkProgress &progress)
    {
        for (int i = 0; i < 2000 && !seen && !progress.cancel; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        if (progress.cancel)
            throw walk::interrupted();
    }
};

TEST(ProgressRunner, RaisesTheJobsErrorOnTheCallingThread)
{
    ProgressRunner runner;
    const AutomationError e = expectError(76, [&] {
        runner.run({"Restore...", "Restoring", false, 0}, [](walk::WalkProgress &) { throw err::pathNotFound("/x"); });
    });
    EXPECT_NE(e.description().find("/x"), std::string::npos);
    std::thread::id ran;
    runner.run({"Size...", "Measuring", true, 0}, [&](walk::WalkProgress &) { ran = std::this_thread::get_id(); });
    EXPECT_NE(ran, std::this_thread::get_id());
    EXPECT_EQ(shownDialog(), nullptr);
}

TEST(ProgressRunner, WalksInsideTheJobReportToItAndStopWhenAsked)
{
    ScratchDir scratch;
    smallStore(scratch.path());
    ProgressRunner runner;
    std::uint64_t measured = 0, reported = 0;
    runner.run({"Size...", "Measuring", true, 0}, [&](walk::WalkProgress &progress) {
        measured = FileSystemObject().folderSize(scratch.path());
        reported = progress.bytes;
    });
    EXPECT_EQ(measured, 40u);
    EXPECT_EQ(reported, 40u);
    expectError(18, [&] {
        runner.run({"Size...", "Measuring", true, 0}, [&](walk::WalkProgress &progress) {
            progress.cancel = true;
            FileSystemObject().folderSize(scratch.path());
        });
    });
    EXPECT_EQ(walk::threadProgress(), nullptr);
}

TEST(ProgressRunner, ALongJobShowsTheDialogWithCancelOnlyWhenSafe)
{
    for (bool cancellable : {false, true}) {
        ProgressRunner runner;
        WaitingJob job;
        bool hadCancel = false;
        QString label;
        QTimer look;
        QObject::connect(&look, &QTimer::timeout, [&] {
            if (QProgressDialog *d = shownDialog(); d && !job.seen) {
                label = d->labelText();
                auto *cancel = d->findChild<QPushButton *>();
                hadCancel = cancel != nullptr;
                if (cancel)
                    cancel->click();
                job.seen = true;
            }
        });
        look.start(20);
        const auto restore = [&] { runner.run({"Restore...", "Restoring /home/u", cancellable, 0}, std::ref(job)); };
        if (cancellable)
            expectError(18, restore);
        else
            EXPECT_NO_THROW(restore());
        EXPECT_TRUE(job.seen.load());
        EXPECT_TRUE(label.startsWith("Restoring /home/u"));
        EXPECT_EQ(hadCancel, cancellable);
        EXPECT_EQ(shownDialog(), nullptr);
    }
}

} // namespace

// Long jobs' workers step back so the window's thread wins the cores on a busy machine.
TEST(WorkerPriority, AJobsWorkerRunsNicerThanTheCallingThread)
{
    ProgressRunner runner;
    const int caller = walk::threadNice();
    int worker = caller;
    runner.run({"Size...", "Measuring", false, 0}, [&](walk::WalkProgress &) { worker = walk::threadNice(); });
    EXPECT_GT(worker, caller);
    EXPECT_EQ(walk::threadNice(), caller);
}

namespace {
// Notes the nice value of every thread that visits an entry other than the calling one.
class NiceRecorder : public walk::SplitVisitor {
public:
    struct Shared {
        std::mutex mutex;
        std::thread::id caller = std::this_thread::get_id();
        std::vector<int> others;
    };
    explicit NiceRecorder(Shared &shared) : m_shared(shared) {}
    std::unique_ptr<walk::SplitVisitor> fork() const override { return std::make_unique<NiceRecorder>(m_shared); }
    void entry(const walk::Folder &, const char *, walk::EntryType) override
    {
        // Slow enough that the split's second thread takes part of the tree.
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        if (std::this_thread::get_id() == m_shared.caller)
            return;
        std::lock_guard lock(m_shared.mutex);
        m_shared.others.push_back(walk::threadNice());
    }

private:
    Shared &m_shared;
};
} // namespace

TEST(WorkerPriority, TheSplitsWorkerThreadsRunNicerThanTheCallingThread)
{
    if (std::thread::hardware_concurrency() < 2)
        GTEST_SKIP() << "one core: the split starts no thread";
    ScratchDir scratch;
    for (int i = 0; i < 24; ++i) {
        makeFolders(scratch.path() + "/" + std::to_string(i));
        for (int j = 0; j < 4; ++j)
            writeBytes(scratch.path() + "/" + std::to_string(i) + "/" + std::to_string(j), 1);
    }
    NiceRecorder::Shared shared;
    NiceRecorder visitor(shared);
    walk::runSplit(scratch.path(), visitor, nullptr);
    ASSERT_FALSE(shared.others.empty());
    for (int nice : shared.others)
        EXPECT_GT(nice, walk::threadNice());
}

// Calls from a second thread while the application's thread shows a box: windows and boxes belong
// to the thread that owns the application, so such calls get error 406 at once instead of hanging.
#include "automation/AutomationError.h"
#include "component/clsRNX10A.h"
#include "component/rnx10.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <chrono>
#include <cstdlib>
#include <future>
#include <thread>

using namespace rnx10;
using namespace rnx10::test;

namespace {

const std::string wrongThread =
    "No display is available: windows and message boxes show only on the thread that owns the Qt application";

// Runs work on a real second thread while this thread shows a box and serves its events. A worker
// that never returns ends the process with a failure rather than hanging the suite.
template <typename Work> void runOnWorkerWhileABoxShows(Work work)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Busy"), QStringLiteral("Waiting"), QMessageBox::Ok);
    box.open();
    std::packaged_task<void()> task(work);
    std::future<void> done = task.get_future();
    std::thread worker(std::move(task));
    for (int waited = 0; done.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready; ++waited) {
        QCoreApplication::processEvents();
        if (waited == 12000) {
            ADD_FAILURE() << "the worker thread never returned";
            std::_Exit(1);
        }
    }
    worker.join();
    done.get();
    box.close();
}

TEST(ComponentThreads, WorkerGetsErrorForWindowsAndBacksUpWithoutMessages)
{
    Installation inst;
    runOnWorkerWhileABoxShows([&] {
        clsRNX10A rnx;
        std::int32_t hwnd = 0;
        for (const char *key : {"RNXRUN_BR", "RNXRUN_MAINTAIN"}) {
            SCOPED_TRACE(key);
            EXPECT_EQ(expectError(406, [&] { rnx.ExecuteSupportCenter(hwnd, key); }).description(), wrongThread);
        }
        EXPECT_TRUE(rnx.RunBackupComputer().isEmpty());
    });
    ASSERT_EQ(inst.shell->opened.size(), 2u);
    EXPECT_EQ(inst.shell->opened[1].first, inst.programRoot() + "/1.0/Sys/shellbak.exe");
    EXPECT_TRUE(inst.prompt->boxes.empty());
}

TEST(ComponentThreads, WorkerThroughTheCInterfaceGetsErrorForWindowsAndBacksUp)
{
    Installation inst;
    runOnWorkerWhileABoxShows([&] {
        rnx10_instance *rnx = nullptr;
        rnx10_error error{};
        ASSERT_EQ(rnx10_create(&rnx, &error), RNX10_OK) << error.description;
        std::int32_t hwnd = 0;
        EXPECT_EQ(rnx10_execute_support_center(rnx, &hwnd, "RNXRUN_BR", nullptr, nullptr, nullptr, nullptr, &error),
                  RNX10_FAILED);
        EXPECT_EQ(error.number, 406);
        EXPECT_EQ(std::string(error.description), wrongThread);
        EXPECT_EQ(rnx10_run_backup_computer(rnx, nullptr, &error), RNX10_OK) << error.description;
        rnx10_release(rnx);
    });
    EXPECT_EQ(inst.shell->opened.size(), 2u);
}

} // namespace

// The browser on a system that refuses every new thread (a process limit reached): its long jobs
// run on the window's thread instead and the computer folder's size is told unknown; nothing ends
// the process.
#include "support/BrowserFixture.h"
#include "support/RefusedThreads.h"

#include <cstdlib>
#include <filesystem>

using namespace rnx10;
using namespace rnx10::test;

namespace {

class RefusedThreadsWindow : public BrowserFixture {};

// The filter cannot be lifted, so the test runs in a child of its own (gtest's exit test, which
// starts the program afresh for it): exit 0 when the hour was deleted and said so, 1 when not,
// 2 when the kernel allows no filter.
TEST_F(RefusedThreadsWindow, ADeletionRunsOnTheWindowsThreadWhenNoWorkerCanStart)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    store.archive(store.hour("09-00"), "arch", inst.home() + "/docs");
    store.archive(store.hour("10-00"), "kept", inst.home() + "/docs");
    const auto run = [&] {
        if (!refuseNewThreadsFromThisThread())
            std::exit(2);
        bool deleted = false;
        if (open(LeaveLockerSize)) {
            pickHour("09-00");
            answer({Answer::Yes});
            clearAndTrigger("mnuPopUpDeleteHour");
            deleted = !exists(store.hour("09-00")) && exists(store.hour("10-00")) &&
                      lastText() == "Succesfully deleted...";
        }
        std::filesystem::remove_all(inst.root());
        std::exit(deleted ? 0 : 1);
    };
    EXPECT_EXIT(run(), ::testing::ExitedWithCode(0), "");
}

} // namespace

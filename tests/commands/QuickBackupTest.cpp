#include "CommandsTestSupport.h"

#include "automation/AutomationError.h"
#include "component/clsRNX10A.h"
#include "platform/MousePointer.h"
#include "services/ProgIds.h"
#include "services/RuntimeService.h"
#include "services/StaticMessageService.h"
#include "support/TestSupport.h"

#include <QApplication>

using namespace rnx10;
using namespace rnx10::test;

namespace {

// The real message windows, with every show and hide written down, and the pointer at each show.
struct RecordingMessages : StaticMessageService {
    void UIShowStaticMessageDialog(const std::string &message, bool flag) override
    {
        events.push_back("show " + message);
        pointerAtShow.push_back(currentMousePointer());
        StaticMessageService::UIShowStaticMessageDialog(message, flag);
    }
    void UIHideStaticMessageDialog() override
    {
        events.push_back("hide");
        StaticMessageService::UIHideStaticMessageDialog();
    }
    std::vector<std::string> events;
    std::vector<MousePointer> pointerAtShow;
};

struct FailingRootRuntime : RuntimeService {
    std::string EnvironGet(std::int16_t kind, const std::string &key) override
    {
        if (key == "ZVENVSYS32MASK")
            throw AutomationError(5, "Invalid procedure call or argument: no program root");
        return RuntimeService::EnvironGet(kind, key);
    }
};

struct QuickBackup : ::testing::Test {
    Installation inst;
    std::shared_ptr<RecordingMessages> messages = std::make_shared<RecordingMessages>();
    ScopedFactory fakeMessages{progid::StaticMessage, std::static_pointer_cast<StaticMessageService>(messages)};

    std::string lastTaken() { return readFile(inst.logs() + "/bar.ini"); }
};

TEST_F(QuickBackup, MissingToolsStillRecordTimeShowBothMessagesAndEndWithArrow)
{
    ScopedPlatform realShell(PlatformHooks{nullptr, std::make_shared<SystemShell>(), nullptr});
    clsRNX10A rnx;
    std::int32_t hwnd = 42;
    EXPECT_TRUE(rnx.RunBackupComputer(hwnd).isEmpty());
    EXPECT_NE(lastTaken().find("[Backup]\nLastTaken="), std::string::npos);
    EXPECT_EQ(messages->events, (std::vector<std::string>{"show Taking registry Backup", "hide",
                                                          "show Taking shell Backup", "hide"}));
    EXPECT_EQ(messages->pointerAtShow, (std::vector<MousePointer>{MousePointer::Busy, MousePointer::Busy}));
    EXPECT_EQ(messages->openWindows(), 0u);
    EXPECT_EQ(currentMousePointer(), MousePointer::Arrow);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::ArrowCursor);
}

TEST_F(QuickBackup, SecondBackupReplacesTheFirstValue)
{
    clsRNX10A rnx;
    rnx.RunBackupComputer();
    rnx.RunBackupComputer();
    const std::string bar = lastTaken();
    EXPECT_EQ(bar.find("LastTaken"), bar.rfind("LastTaken"));
    EXPECT_EQ(inst.shell->opened.size(), 4u);
}

TEST_F(QuickBackup, FailureMidwayReachesTheCallerAndLeavesNothingBehind)
{
    ScopedFactory fakeRuntime(progid::Runtime,
                              std::static_pointer_cast<RuntimeService>(std::make_shared<FailingRootRuntime>()));
    clsRNX10A rnx;
    EXPECT_EQ(expectError(5, [&] { rnx.RunBackupComputer(); }).description(),
              "Invalid procedure call or argument: no program root");
    EXPECT_NE(lastTaken().find("LastTaken="), std::string::npos) << "what was done before stays done";
    EXPECT_EQ(messages->events, (std::vector<std::string>{"show Taking registry Backup", "hide"}));
    EXPECT_EQ(messages->openWindows(), 0u);
    EXPECT_EQ(currentMousePointer(), MousePointer::Arrow);
    EXPECT_TRUE(inst.shell->opened.empty());
}

TEST_F(QuickBackup, MissingLogFolderFailsWith76BeforeAnyTool)
{
    inst.env.set("ZVENVSLOGS", inst.root() + "/gone");
    clsRNX10A rnx;
    expectError(76, [&] { rnx.RunBackupComputer(); });
    EXPECT_FALSE(exists(inst.root() + "/gone"));
    EXPECT_TRUE(messages->events.empty());
    EXPECT_TRUE(inst.shell->opened.empty());
    EXPECT_EQ(currentMousePointer(), MousePointer::Arrow);
}

TEST_F(QuickBackup, ANewAccountsFirstBackupMakesTheDefaultLogFolderButLookingItUpDoesNot)
{
    inst.env.unset("ZVENVSLOGS");
    const std::string defaultLogs = inst.root() + "/xdg/state/zorvane/logs";
    // The debugger's listing and every other lookup only read.
    EXPECT_EQ(RuntimeService().lookup("ZVENVSLOGS").value, defaultLogs);
    EXPECT_FALSE(exists(inst.root() + "/xdg/state/zorvane"));

    clsRNX10A rnx;
    rnx.RunBackupComputer();
    EXPECT_NE(readFile(defaultLogs + "/bar.ini").find("LastTaken="), std::string::npos);
}

} // namespace

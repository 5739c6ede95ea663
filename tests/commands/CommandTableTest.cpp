#include "CommandsTestSupport.h"

#include "automation/AutomationError.h"
#include "commands/CommandTable.h"
#include "component/clsRNX10A.h"
#include "services/DebuggerService.h"
#include "services/ProgIds.h"
#include "support/TestSupport.h"

using namespace rnx10;
using namespace rnx10::test;

namespace {

std::int32_t g_hwnd = 0;

void execute(clsRNX10A &rnx, const std::string &key)
{
    EXPECT_TRUE(rnx.ExecuteSupportCenter(g_hwnd, key, "a", "b", Variant(7), Variant("d")).isEmpty());
}

struct LaunchCase {
    const char *key;
    const char *target;    // under the program root when it starts with "/", else an address
    bool shell;            // handed to the shell, else started as a program
    int show;
};

class CommandLaunches : public ::testing::TestWithParam<LaunchCase> {};

TEST_P(CommandLaunches, ReachTheirTargetWithTheirShowValue)
{
    const LaunchCase &c = GetParam();
    Installation inst;
    inst.installProgram("Sys/tvqs.exe");
    inst.installProgram("Sys/kev.exe");
    clsRNX10A rnx;
    execute(rnx, c.key);
    const std::string target = c.target[0] == '/' ? inst.programRoot() + c.target : c.target;
    const auto &calls = c.shell ? inst.shell->opened : inst.starter->started;
    const auto &others = c.shell ? inst.starter->started : inst.shell->opened;
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].first, target);
    EXPECT_EQ(calls[0].second, c.show);
    EXPECT_TRUE(others.empty());
    EXPECT_TRUE(inst.prompt->boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, CommandLaunches,
    ::testing::Values(LaunchCase{"RNXRUN_QRS", "/1.0/Sys/tvqs.exe", false, 2},
                      LaunchCase{"RNXRUN_DOWNLOADS", "https://zorvane.example/downloads", true, 3},
                      LaunchCase{"RNXRUN_SHOP", "https://zorvane.example/shop", true, 3},
                      LaunchCase{"RNXRUN_BRINDLEX", "https://brindlex.example/", true, 3},
                      LaunchCase{"RNXRUN_PELORIN", "/1.0/Sys", true, 3},
                      LaunchCase{"RNXRUN_KEV", "/1.0/Sys/kev.exe", true, 1}),
    [](const auto &info) { return std::string(info.param.key).substr(7); });

TEST(CommandTable, KeysMatchExactlyAndWholly)
{
    Installation inst; // tvqs.exe missing: a wrong match on the QRS key would raise 53
    clsRNX10A rnx;
    for (const char *key : {"rnxrun_qrs", "Rnxrun_Qrs", "RNXRUN_QRS ", " RNXRUN_QRS", "RNXRUN_QR", "RNXRUN_QRSX",
                            "RNXRUN_QRS\n", "RNXRUN_LICENSES ", ""}) {
        SCOPED_TRACE(key);
        EXPECT_NO_THROW(execute(rnx, key));
    }
    EXPECT_TRUE(inst.prompt->boxes.empty());
    EXPECT_TRUE(inst.shell->opened.empty());
}

TEST(CommandTable, AddressesAndRootAreFetchedAtEveryCall)
{
    Installation inst;
    clsRNX10A rnx;
    execute(rnx, "RNXRUN_SHOP");
    inst.env.set("ZVENVSTRBUY", "https://elsewhere.example/buy");
    execute(rnx, "RNXRUN_SHOP");
    inst.env.set("ZVENVSYS32MASK", inst.root() + "/other");
    execute(rnx, "RNXRUN_PELORIN");
    ASSERT_EQ(inst.shell->opened.size(), 3u);
    EXPECT_EQ(inst.shell->opened[1].first, "https://elsewhere.example/buy");
    EXPECT_EQ(inst.shell->opened[2].first, inst.root() + "/other/1.0/Sys");
}

// An empty value counts as unset: the default page opens, as without the key.
TEST(CommandTable, EmptyAddressOpensTheDefaultPageAndSucceeds)
{
    Installation inst;
    inst.env.set("ZVENVSTRDNWEB", "");
    clsRNX10A rnx;
    execute(rnx, "RNXRUN_DOWNLOADS");
    ASSERT_EQ(inst.shell->opened.size(), 1u);
    EXPECT_EQ(inst.shell->opened[0].first, "https://zorvane.example/downloads");
    EXPECT_TRUE(inst.prompt->boxes.empty());
}

TEST(CommandTable, FailedShellOpenIsSilent)
{
    Installation inst;
    inst.shell->result = false;
    clsRNX10A rnx;
    for (const char *key : {"RNXRUN_DOWNLOADS", "RNXRUN_SHOP", "RNXRUN_BRINDLEX", "RNXRUN_PELORIN", "RNXRUN_KEV"})
        EXPECT_NO_THROW(execute(rnx, key)) << key;
    EXPECT_EQ(inst.shell->opened.size(), 5u);
    EXPECT_TRUE(inst.prompt->boxes.empty());
}

TEST(CommandTable, MissingProgramFailsQrsButNotKev)
{
    Installation inst;
    // The real shell, so a missing kev.exe really cannot be opened.
    ScopedPlatform realShell(PlatformHooks{nullptr, std::make_shared<SystemShell>(), nullptr});
    clsRNX10A rnx;
    EXPECT_NO_THROW(execute(rnx, "RNXRUN_KEV"));
    EXPECT_EQ(expectError(53, [&] { execute(rnx, "RNXRUN_QRS"); }).description(),
              "File not found: " + inst.programRoot() + "/1.0/Sys/tvqs.exe");
}

TEST(CommandTable, LicensesShowsItsBoxWithTheDefaultTitle)
{
    Installation inst;
    clsRNX10A rnx;
    execute(rnx, "RNXRUN_LICENSES");
    ASSERT_EQ(inst.prompt->boxes.size(), 1u);
    const FakePrompt::Box &box = inst.prompt->boxes[0];
    EXPECT_EQ(box.text, "LICENSES");
    EXPECT_EQ(box.title, "rnx10");
    EXPECT_FALSE(box.question);
    EXPECT_EQ(box.icon, Icon::None);
}

struct CountingDebugger : DebuggerService {
    void ShowDebuggerOptions() override
    {
        ++calls;
        if (fail)
            throw AutomationError(5, "debugger broke");
    }
    int calls = 0;
    bool fail = false;
};

TEST(CommandTable, DebuggerCallsTheServiceAndPassesItsFailureOn)
{
    Installation inst;
    auto debugger = std::make_shared<CountingDebugger>();
    ScopedFactory fake(progid::Debugger, std::static_pointer_cast<DebuggerService>(debugger));
    clsRNX10A rnx;
    execute(rnx, "RNXRUN_DEBUGGER");
    EXPECT_EQ(debugger->calls, 1);
    debugger->fail = true;
    EXPECT_EQ(expectError(5, [&] { execute(rnx, "RNXRUN_DEBUGGER"); }).description(), "debugger broke");
    EXPECT_EQ(debugger->calls, 2);
}

} // namespace

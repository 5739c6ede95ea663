#include "automation/AutomationError.h"
#include "platform/SpawnCommandRunner.h"
#include "support/TestSupport.h"

using namespace rnx10;
using namespace rnx10::test;

namespace {

TEST(SpawnCommandRunner, FeedsInputCollectsBothOutputsAndTheExitStatus)
{
    SpawnCommandRunner runner;
    const CommandResult r = runner.run("sh", {"-c", "tr a-z A-Z; echo oops >&2; exit 3"}, "hello; $(touch x)\n");
    EXPECT_EQ(r.out, "HELLO; $(TOUCH X)\n");
    EXPECT_EQ(r.err, "oops\n");
    EXPECT_EQ(r.exitCode, 3);
}

TEST(SpawnCommandRunner, AToolThatIgnoresItsInputAndWritesMuchNeitherBlocksNorKillsTheCaller)
{
    SpawnCommandRunner runner;
    const std::string input(4 << 20, 'x');
    const CommandResult r = runner.run("sh", {"-c", "exec 0<&-; head -c 300000 /dev/zero; head -c 300000 /dev/zero >&2"}, input);
    EXPECT_EQ(r.out.size(), 300000u);
    EXPECT_EQ(r.err.size(), 300000u);
    EXPECT_EQ(r.exitCode, 0);
}

TEST(SpawnCommandRunner, AMissingToolRaisesFileNotFound)
{
    expectError(53, [] { SpawnCommandRunner().run("rnx10-no-such-tool", {}, {}); });
}

} // namespace

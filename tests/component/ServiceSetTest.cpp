#include "automation/AutomationError.h"
#include "automation/ObjectRegistry.h"
#include "component/clsRNX10A.h"
#include "services/ProgIds.h"
#include "services/ServiceSet.h"
#include "support/ScopedFactory.h"
#include "support/TestSupport.h"

using namespace rnx10;
using namespace rnx10::test;

namespace {

TEST(ServiceSet, LastInstanceReleasesTheSetNotTheFirst)
{
    Installation inst;
    auto first = std::make_unique<clsRNX10A>();
    {
        clsRNX10A oneCall;
        oneCall.RunBackupComputer();
    }
    EXPECT_NO_THROW(services().runtime());
    first.reset();
    expectError(91, [] { services().runtime(); });
}

TEST(ServiceSet, CreationFailsWhenDebuggerMissingAndKeepsEarlierServices)
{
    Installation inst;
    {
        ScopedFactory noDebugger(progid::Debugger, nullptr);
        expectError(429, [] { clsRNX10A rnx; });
    }
    EXPECT_NO_THROW(services().runtime());
    EXPECT_NO_THROW(services().iniFile());
    EXPECT_THROW(services().debugger(), AutomationError);
    services().releaseAll();
}

} // namespace

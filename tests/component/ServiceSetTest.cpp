#include "automation/AutomationError.h"
#include "automation/ObjectRegistry.h"
#include "component/clsRNX10A.h"
#include "services/ProgIds.h"
#include "services/ServiceSet.h"
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
    try {
        services().runtime();
        FAIL() << "expected error 91";
    } catch (const AutomationError &e) {
        EXPECT_EQ(e.number(), 91);
    }
}

TEST(ServiceSet, CreationFailsWhenDebuggerMissingAndKeepsEarlierServices)
{
    Installation inst;
    auto saved = ObjectRegistry::registerFactory(progid::Debugger, nullptr);
    try {
        clsRNX10A rnx;
        FAIL() << "expected error 429";
    } catch (const AutomationError &e) {
        EXPECT_EQ(e.number(), 429);
    }
    ObjectRegistry::registerFactory(progid::Debugger, saved);
    EXPECT_NO_THROW(services().runtime());
    EXPECT_NO_THROW(services().iniFile());
    EXPECT_THROW(services().debugger(), AutomationError);
    services().releaseAll();
}

} // namespace

// The shared helpers keep their promises when the test using them fails.
#include "automation/AutomationError.h"
#include "automation/ObjectRegistry.h"
#include "services/ProgIds.h"
#include "support/ScopedFactory.h"
#include "support/TestSupport.h"

#include <gtest/gtest-spi.h>

#include <stdexcept>

using namespace rnx10;
using namespace rnx10::test;

namespace {

void failWithTheDebuggerMissing()
{
    ScopedFactory missing(progid::Debugger, nullptr);
    ASSERT_FALSE(ObjectRegistry::isRegistered(progid::Debugger));
    FAIL() << "part-way";
}

TEST(ScopedFactory, PutsThePreviousFactoryBackWhenTheTestFailsOrThrowsPartWay)
{
    ASSERT_TRUE(ObjectRegistry::isRegistered(progid::Debugger));
    EXPECT_FATAL_FAILURE(failWithTheDebuggerMissing(), "part-way");
    EXPECT_TRUE(ObjectRegistry::isRegistered(progid::Debugger));

    EXPECT_THROW(
        {
            ScopedFactory missing(progid::Debugger, nullptr);
            throw std::runtime_error("part-way");
        },
        std::runtime_error);
    EXPECT_TRUE(ObjectRegistry::isRegistered(progid::Debugger));
}

TEST(ExpectError, ReturnsTheErrorAndFailsWhenItIsMissingOrAnother)
{
    const AutomationError e = expectError(76, [] { throw err::pathNotFound("/x"); });
    EXPECT_EQ(e.number(), 76);
    EXPECT_NE(e.description().find("/x"), std::string::npos);

    EXPECT_NONFATAL_FAILURE(expectError(76, [] {}), "expected error 76, none raised");
    EXPECT_NONFATAL_FAILURE(expectError(76, [] { throw err::invalidCall(); }), "expected error 76, got 5");
}

} // namespace

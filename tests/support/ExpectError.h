// Expecting an AutomationError of a given number from a call.
#pragma once

#include "automation/AutomationError.h"

#include <gtest/gtest.h>

#include <source_location>
#include <utility>

namespace rnx10::test {

// Runs call and expects it to raise AutomationError number; a missing or different error is a
// failure reported at the caller's line, and the test goes on. Returns the error raised, for
// checks on its description; number 0 and an empty description when call raised nothing.
// Exceptions of other types pass through.
template <typename Call>
AutomationError expectError(int number, Call &&call, std::source_location where = std::source_location::current())
{
    try {
        std::forward<Call>(call)();
    } catch (const AutomationError &e) {
        if (e.number() != number)
            ADD_FAILURE_AT(where.file_name(), static_cast<int>(where.line()))
                << "expected error " << number << ", got " << e.number() << ": " << e.description();
        return e;
    }
    ADD_FAILURE_AT(where.file_name(), static_cast<int>(where.line())) << "expected error " << number << ", none raised";
    return AutomationError(0, {});
}

} // namespace rnx10::test

// How a window tells the user that a command failed.
#pragma once

#include "automation/AutomationError.h"

#include <exception>

namespace rnx10 {

// Shows the error's description in a message box; a job the user stopped with Cancel needs none.
void tellFailure(const AutomationError &error) noexcept;

// The same for any error (an AutomationError among them). When the box itself cannot be shown,
// the description goes to standard error: nothing leaves an event handler into Qt's event loop.
void tellFailure(const std::exception &error) noexcept;

// The same for a failure that is no std::exception and so has no text of its own.
void tellUnexpectedFailure() noexcept;

// Runs a handler's work; a failure is told to the user instead of leaving the event handler.
template <typename Work> void tellingFailure(Work &&work) noexcept
{
    try {
        work();
    } catch (const std::exception &error) {
        tellFailure(error);
    } catch (...) {
        tellUnexpectedFailure();
    }
}

} // namespace rnx10

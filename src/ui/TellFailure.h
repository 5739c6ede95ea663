// How a window tells the user that a command failed.
#pragma once

#include "automation/AutomationError.h"

#include <exception>

namespace rnx10 {

// Shows the error's description in a message box; a job the user stopped with Cancel needs none.
void tellFailure(const AutomationError &error);

void tellFailure(const std::exception &error);

// Runs a handler's work; a failure is told to the user instead of leaving the event handler.
template <typename Work> void tellingFailure(Work &&work)
{
    try {
        work();
    } catch (const AutomationError &error) {
        tellFailure(error);
    } catch (const std::exception &error) {
        tellFailure(error);
    }
}

} // namespace rnx10

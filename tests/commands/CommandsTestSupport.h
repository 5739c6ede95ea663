// Helpers of the command tests: acting on modal windows. Service factories are swapped with
// ScopedFactory (support/ScopedFactory.h).
#pragma once

#include "support/ScopedFactory.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <string>

namespace rnx10::test {

// Runs action on the next modal window once it is up. If none comes up, or action leaves it open,
// the test fails and the window is closed so the run does not hang.
void onNextModal(std::function<void(QWidget *)> action);

// Waits (serving events) until path exists; false when it never appears.
bool waitForFile(const std::string &path);

} // namespace rnx10::test

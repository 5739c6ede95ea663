// The Qt application the component's windows need, made on first need for callers without one.
#pragma once

class QApplication;

namespace rnx10 {

// Returns the running QApplication, creating one when the caller has none.
QApplication *ensureApplication();

// Runs the event loop until the last window of the component is closed; returns at once when none is open.
int runUntilWindowsClosed();

} // namespace rnx10

// The Qt application the component's windows need, made on first need for callers without one.
// Nothing else makes it: calls that show no window work in processes that have no display.
#pragma once

class QApplication;

namespace rnx10 {

// Returns the running QApplication, creating one when the caller has none. Raises 406 "No display
// is available" when no display can be reached (where Qt would abort the process), so it is called
// only right before a window or message box is shown.
// Raises the same error on any thread but the one that owns the application (the first to make
// one, when the component made it): Qt's windows live on that thread alone.
QApplication *ensureApplication();

// True on the thread that owns the Qt application, and on any thread while there is none.
bool onApplicationThread();

// Runs the event loop until the last window of the component is closed; returns at once when
// none is open (and never makes an application for that).
int runUntilWindowsClosed();

} // namespace rnx10

// The browser's size walks with a progress dialog: a walk that outlasts half a second shows one,
// with Cancel; a cancelled walk raises error 18 like any failing walk.
#pragma once

#include "store/FolderMeasure.h"

class QWidget;

namespace rnx10 {

// A measure for window: the thread's file-system object, taken here, walks on a worker thread.
FolderMeasure measureWithProgress(QWidget *window);

} // namespace rnx10

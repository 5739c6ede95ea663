#include "maintenance/MaintenanceCommand.h"

#include "maintenance/frmMaintainceA.h"
#include "platform/Application.h"

#include <QPointer>

#include <memory>

namespace rnx10 {

void showMaintenanceDialog()
{
    ensureApplication();
    thread_local QPointer<frmMaintainceA> loaded;
    if (loaded) {
        // Already up further down this thread's stack: bring it forward rather than nest it.
        loaded->raise();
        loaded->activateWindow();
        return;
    }
    // Loaded afresh for every showing and unloaded when it closes.
    auto form = std::make_unique<frmMaintainceA>();
    loaded = form.get();
    form->exec();
}

} // namespace rnx10

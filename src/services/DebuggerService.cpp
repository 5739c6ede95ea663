#include "services/DebuggerService.h"

#include "automation/ObjectRegistry.h"
#include "platform/Application.h"
#include "services/EnvironmentDialog.h"
#include "services/ProgIds.h"

namespace rnx10 {

namespace {
RegisterObject<DebuggerService, DebuggerService> registration(progid::Debugger);
}

void DebuggerService::ShowDebuggerOptions()
{
    ensureApplication();
    EnvironmentDialog dialog;
    dialog.exec();
}

} // namespace rnx10

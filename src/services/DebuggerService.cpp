#include "services/DebuggerService.h"

#include "automation/AutomationError.h"
#include "automation/ObjectRegistry.h"
#include "platform/Application.h"
#include "platform/TerminalText.h"
#include "platform/Translation.h"
#include "services/EnvironmentDialog.h"
#include "services/ProgIds.h"
#include "services/RuntimeService.h"

#include <cstdio>

namespace rnx10 {

namespace {
RegisterObject<DebuggerService, DebuggerService> registration(progid::Debugger);

// The dialog's listing as text, for a caller with no display (a shell over ssh, a cron job).
void printEnvironment()
{
    RuntimeService runtime;
    const std::string heading =
        fillIn(tx("rnx10::EnvironmentDialog", "Zorvane Debugger - Environment (no display; configuration file: %1)"),
               {printableText(RuntimeService::configurationFile())});
    std::fprintf(stderr, "%s\n", heading.c_str());
    for (const std::string &key : RuntimeService::keys()) {
        RuntimeService::Lookup found;
        try {
            found = runtime.lookup(key);
            if (found.source == "environment")
                found.source = tx("rnx10::EnvironmentDialog", "environment");
            else if (found.source == "default")
                found.source = tx("rnx10::EnvironmentDialog", "default");
        } catch (const AutomationError &e) {
            found = {{}, shownDescription(e)};
        }
        std::fprintf(stderr, "%s=%s\t[%s]\n", key.c_str(), printableText(found.value).c_str(),
                     printableText(found.source).c_str());
    }
}
} // namespace

void DebuggerService::ShowDebuggerOptions()
{
    try {
        ensureApplication();
    } catch (const AutomationError &e) {
        if (e.number() != err::NoDisplay)
            throw;
        printEnvironment();
        return;
    }
    EnvironmentDialog dialog;
    dialog.exec();
}

} // namespace rnx10

#include "services/DebuggerService.h"

#include "automation/AutomationError.h"
#include "automation/ObjectRegistry.h"
#include "platform/Application.h"
#include "platform/TerminalText.h"
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
    std::fprintf(stderr, "Zorvane Debugger - Environment (no display; configuration file: %s)\n",
                 printableText(RuntimeService::configurationFile()).c_str());
    for (const std::string &key : RuntimeService::keys()) {
        RuntimeService::Lookup found;
        try {
            found = runtime.lookup(key);
        } catch (const AutomationError &e) {
            found = {{}, e.description()};
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

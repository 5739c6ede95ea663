#include "commands/CommandTable.h"

#include "backup_browser/BrowserCommand.h"
#include "commands/CommandWindows.h"
#include "commands/Launching.h"
#include "component/ServiceSet.h"
#include "maintenance/MaintenanceCommand.h"
#include "platform/Platform.h"
#include "services/DebuggerService.h"
#include "services/RuntimeService.h"

namespace rnx10 {

namespace {
Variant nothing(CommandArguments &) { return {}; }

std::string envValue(const char *key) { return services().runtime().EnvironGet(2, key); }

Variant runQrs(CommandArguments &)
{
    StartCommandLine(suiteProgramPath("tvqs.exe"), 2);
    return {};
}
Variant openDownloads(CommandArguments &)
{
    ShellOpen(envValue("ZVENVSTRDNWEB"), 3);
    return {};
}
Variant openShop(CommandArguments &)
{
    ShellOpen(envValue("ZVENVSTRBUY"), 3);
    return {};
}
Variant openBrindlex(CommandArguments &)
{
    ShellOpen(envValue("ZVENVSTRBRINDLEX"), 3);
    return {};
}
Variant showBrowser(CommandArguments &)
{
    showBackupBrowser();
    return {};
}
Variant showUpdates(CommandArguments &)
{
    showUpdatesNotice();
    return {};
}
Variant showDebugger(CommandArguments &)
{
    services().debugger().ShowDebuggerOptions();
    return {};
}
Variant showRegistry(CommandArguments &)
{
    showRegistryNavigator();
    return {};
}
Variant openProgramFolder(CommandArguments &)
{
    ShellOpen(envValue("ZVENVSYS32MASK") + "/1.0/Sys", 3);
    return {};
}
Variant runKev(CommandArguments &)
{
    ShellExecuteOpen(suiteProgramPath("kev.exe"), 1);
    return {};
}
Variant showMaintenance(CommandArguments &)
{
    showMaintenanceDialog();
    return {};
}
Variant showLicenses(CommandArguments &)
{
    platform().prompt->tell("LICENSES", kDefaultTitle, Icon::None);
    return {};
}
} // namespace

const std::vector<Command> &commandTable()
{
    static const std::vector<Command> table = {
        {"RNXRUN_QRS", runQrs},
        {"RNXRUN_DOWNLOADS", openDownloads},
        {"RNXRUN_LIVECHAT", nothing},
        {"RNXRUN_SYSINFO", nothing},
        {"RNXRUN_WEBSUPPORT", nothing},
        {"RNXRUN_SENDMAIL", nothing},
        {"RNXRUN_SHOP", openShop},
        {"RNXRUN_MW", nothing},
        {"RNXRUN_BR", showBrowser},
        {"RNXRUN_MIGSYS", nothing},
        {"RNXRUN_BRINDLEX", openBrindlex},
        {"RNXRUN_UPDATES", showUpdates},
        {"RNXRUN_LUMORA", nothing},
        {"RNXRUN_VESKA", nothing},
        {"RNXRUN_DEBUGGER", showDebugger},
        {"RNXRUN_REGISTRY", showRegistry},
        {"RNXRUN_PELORIN", openProgramFolder},
        {"RNXRUN_KEV", runKev},
        {"RNXRUN_MAINTAIN", showMaintenance},
        {"RNXRUN_LICENSES", showLicenses},
    };
    return table;
}

bool dispatchCommand(CommandArguments &args)
{
    const std::string key = args.key;
    for (const Command &command : commandTable()) {
        if (key == command.key) {
            command.handler(args);
            return true;
        }
    }
    return false;
}

} // namespace rnx10

#include "commands/CommandTable.h"

#include "backup_browser/BrowserCommand.h"
#include "commands/CommandWindows.h"
#include "common/Launching.h"
#include "maintenance/MaintenanceCommand.h"
#include "platform/Platform.h"
#include "platform/Translation.h"
#include "services/DebuggerService.h"
#include "services/EnvironmentKeys.h"
#include "services/RuntimeService.h"
#include "services/ServiceSet.h"

namespace rnx10 {

namespace {
std::string envValue(const char *key) { return services().runtime().EnvironGet(envkey::kSuiteEnvironment, key); }
} // namespace

const std::vector<Command> &commandTable()
{
    static const std::vector<Command> table = {
        {"RNXRUN_QRS", [] { StartCommandLine(suiteProgramPath("tvqs.exe"), show::Minimized); }},
        {"RNXRUN_DOWNLOADS", [] { ShellOpen(envValue(envkey::DownloadsPage), show::Maximized); }},
        {"RNXRUN_LIVECHAT", nullptr},
        {"RNXRUN_SYSINFO", nullptr},
        {"RNXRUN_WEBSUPPORT", nullptr},
        {"RNXRUN_SENDMAIL", nullptr},
        {"RNXRUN_SHOP", [] { ShellOpen(envValue(envkey::BuyPage), show::Maximized); }},
        {"RNXRUN_MW", nullptr},
        {"RNXRUN_BR", showBackupBrowser},
        {"RNXRUN_MIGSYS", nullptr},
        {"RNXRUN_BRINDLEX", [] { ShellOpen(envValue(envkey::BrindlexPage), show::Maximized); }},
        {"RNXRUN_UPDATES", showUpdatesNotice},
        {"RNXRUN_LUMORA", nullptr},
        {"RNXRUN_VESKA", nullptr},
        {"RNXRUN_DEBUGGER", [] { services().debugger().ShowDebuggerOptions(); }},
        {"RNXRUN_REGISTRY", showRegistryNavigator},
        {"RNXRUN_PELORIN", [] { ShellOpen(envValue(envkey::ProgramRoot) + "/1.0/Sys", show::Maximized); }},
        {"RNXRUN_KEV", [] { ShellExecuteOpen(suiteProgramPath("kev.exe"), show::Normal); }},
        {"RNXRUN_MAINTAIN", showMaintenanceDialog},
        {"RNXRUN_LICENSES", [] { platform().prompt->tell(tx("CommandTable", "LICENSES"), kDefaultTitle, Icon::None); }},
    };
    return table;
}

bool dispatchCommand(CommandArguments &args)
{
    const std::string key = args.key;
    for (const Command &command : commandTable()) {
        if (key == command.key) {
            if (command.handler)
                command.handler();
            return true;
        }
    }
    return false;
}

} // namespace rnx10

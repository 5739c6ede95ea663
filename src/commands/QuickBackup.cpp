#include "commands/QuickBackup.h"

#include "commands/CommonHelpers.h"
#include "commands/Launching.h"
#include "component/ServiceSet.h"
#include "platform/MousePointer.h"
#include "services/StaticMessageService.h"

#include <QCoreApplication>

namespace rnx10 {

namespace {
// Shows a static message while one tool is handed to the shell; hidden again whatever happens.
void startToolWithMessage(const char *message, const char *program)
{
    StaticMessageService &messages = services().staticMessage();
    messages.UIShowStaticMessageDialog(message, true);
    struct Hide {
        StaticMessageService &m;
        ~Hide() { m.UIHideStaticMessageDialog(); }
    } hide{messages};
    ShellExecuteOpen(suiteProgramPath(program), 1);
}
} // namespace

void runBackupComputer(std::int32_t /*lhWnd*/)
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
    BusyPointer busy;
    WriteLogINIValue("Backup", "LastTaken", generalDateText());
    startToolWithMessage("Taking registry Backup", "regbak.exe");
    startToolWithMessage("Taking shell Backup", "shellbak.exe");
}

} // namespace rnx10

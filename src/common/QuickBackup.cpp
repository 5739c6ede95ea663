#include "common/QuickBackup.h"

#include "common/GeneralDate.h"
#include "common/Launching.h"
#include "platform/Application.h"
#include "platform/MousePointer.h"
#include "platform/Platform.h"
#include "platform/Translation.h"
#include "services/IniValues.h"
#include "services/ServiceSet.h"
#include "services/StaticMessageService.h"

#include <QCoreApplication>

namespace rnx10 {

namespace {
// Shows a static message while one tool is handed to the shell; hidden again whatever happens.
void startToolWithMessage(const std::string &message, const char *program)
{
    StaticMessageService &messages = services().staticMessage();
    messages.UIShowStaticMessageDialog(message, true);
    struct Hide {
        StaticMessageService &m;
        ~Hide() { m.UIHideStaticMessageDialog(); }
    } hide{messages};
    ShellExecuteOpen(suiteProgramPath(program), show::Normal);
}
} // namespace

bool askToStartQuickBackup()
{
    const std::string question =
        tx("QuickBackup", "Do you want to start backup operations click yes this screen will automatically close., "
                          "it may take long time depends upon your speed of computer.");
    return platform().prompt->ask(question, tx("QuickBackup", "Proceed..."), true) == Answer::Yes;
}

void runQuickBackupFromWindow(std::int32_t lhWnd)
{
    ServiceUse use;
    runBackupComputer(lhWnd);
}

void runBackupComputer(std::int32_t /*lhWnd*/)
{
    if (QCoreApplication::instance() && onApplicationThread())
        QCoreApplication::processEvents();
    BusyPointer busy;
    WriteLogINIValue("Backup", "LastTaken", generalDateText());
    startToolWithMessage(tx("QuickBackup", "Taking registry Backup"), "regbak.exe");
    startToolWithMessage(tx("QuickBackup", "Taking shell Backup"), "shellbak.exe");
}

} // namespace rnx10

#include "backup_browser/BrowserCommand.h"

#include "backup_browser/frmBackUpRestoreA.h"
#include "platform/Application.h"

#include <QPointer>

namespace rnx10 {

namespace {
// The thread's one browser; the pointer clears itself when the closed window is deleted.
thread_local QPointer<frmBackUpRestoreA> t_browser;
} // namespace

void showBackupBrowser()
{
    ensureApplication();
    // A closed window waits for its deferred deletion; the next opening loads a fresh one.
    if (t_browser && !t_browser->isVisible())
        t_browser = nullptr;
    if (!t_browser) {
        t_browser = new frmBackUpRestoreA;
        t_browser->Form_Load();
    }
    t_browser->show();
    t_browser->raise();
    t_browser->activateWindow();
}

} // namespace rnx10

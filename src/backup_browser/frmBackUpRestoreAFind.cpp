// The browser's way into the search of its archives.
#include "backup_browser/frmBackUpRestoreA.h"

#include "backup_browser/FindFilesWindow.h"
#include "backup_browser/core/StoreLocation.h"

namespace rnx10 {

FindFilesWindow *frmBackUpRestoreA::mnuPopUpFindFiles_Click()
{
    auto *window = new FindFilesWindow(computerFolderPath(), this);
    window->show();
    window->activateWindow();
    return window;
}

} // namespace rnx10

// The browser's way into the search of its archives.
#include "backup_browser/frmBackUpRestoreA.h"

#include "recovery/FindFilesWindow.h"
#include "recovery/RecoverJobs.h"
#include "ui/TellFailure.h"
#include "store/StoreLocation.h"

namespace rnx10 {

FindFilesWindow *frmBackUpRestoreA::mnuPopUpFindFiles_Click()
{
    auto *window = new FindFilesWindow(computerFolderPath(), this);
    // Its results, and those of the versions it opens, restore elsewhere as the popup's entry does.
    window->setRestoreTo([window](const std::string &pathInStore) {
        tellingFailure([&] { restoreToChosenFolder(window, pathInStore); });
    });
    window->show();
    window->activateWindow();
    return window;
}

} // namespace rnx10

// The browser's "Thin Old Archives..." entry.
#include "backup_browser/frmBackUpRestoreA.h"

#include "store/StoreLocation.h"
#include "thinning/frmThinArchives.h"
#include "ui/BusyGuard.h"
#include "ui/TellFailure.h"

namespace rnx10 {

void frmBackUpRestoreA::mnuPopUpThinArchives_Click()
{
    BusyGuard guard(this);
    if (!guard.acquired())
        return;
    bool thinned = false;
    tellingFailure([&] {
        const std::string computer = m_folders.ComputerFolder.empty() ? computerFolderPath() : m_folders.ComputerFolder;
        frmThinArchives dialog(this, computer);
        dialog.exec();
        thinned = dialog.thinned();
    });
    if (thinned)
        AddinTV(); // the shown day may have lost its hours, and the list what it showed
    else
        refreshArchiveDays();
}

} // namespace rnx10

// The browser's recovery entries: restoring the selected archive into another folder, and
// comparing it with its source folder.
#include "backup_browser/frmBackUpRestoreA.h"

#include "recovery/CompareWindow.h"
#include "recovery/RecoverJobs.h"
#include "store/ArchiveDeletion.h"
#include "platform/Platform.h"
#include "platform/Translation.h"
#include "services/ServiceSet.h"
#include "ui/BusyGuard.h"

namespace rnx10 {

namespace {
// Both entries act on the selected archive; without one there is nothing to act on.
bool archiveSelected(const std::string &copy)
{
    if (!copy.empty())
        return true;
    platform().prompt->tell(tx("rnx10::frmBackUpRestoreA", "Select an archive first."), kDefaultTitle, Icon::Information);
    return false;
}
} // namespace

void frmBackUpRestoreA::mnuPopUpRestoreTo_Click()
{
    BusyGuard guard(this);
    if (!guard.acquired() || !archiveSelected(m_folders.SelectedDestinationDir))
        return;
    restoreToChosenFolder(this, archiveFolderOf(services().fileSystem(), m_folders.SelectedDestinationDir));
}

void frmBackUpRestoreA::mnuPopUpCompare_Click()
{
    BusyGuard guard(this);
    if (!guard.acquired() || !archiveSelected(m_folders.SelectedDestinationDir))
        return;
    const std::string copy = m_folders.SelectedDestinationDir;
    const std::string source = m_folders.SelectedSourceDir;
    auto *window = new CompareWindow(this, copy, source, compareWithProgress(this, copy, source));
    window->show();
}

} // namespace rnx10

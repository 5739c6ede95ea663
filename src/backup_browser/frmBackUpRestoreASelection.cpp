// What the user does with the archive list: click, open, F7, the popup, and the status panels.
#include "backup_browser/frmBackUpRestoreA.h"

#include "store_views/ArchiveItems.h"
#include "backup_browser/ArchiveListView.h"
#include "store/SelectionSizes.h"
#include "backup_browser/ProgressMeasure.h"
#include "backup_browser/StatusPanel.h"
#include "common/Launching.h"
#include "platform/FileSystemObject.h"
#include "platform/Platform.h"
#include "services/ServiceSet.h"
#include "ui/BusyGuard.h"
#include "ui/WindowJob.h"

#include <QMenu>
#include <QStandardItemModel>

namespace rnx10 {

void frmBackUpRestoreA::lvBody_ItemClick(const QModelIndex &index)
{
    if (WindowJob::isRunning(this))
        return;
    const int row = index.row();
    const std::string source = rawBytes(m_archives->item(row, 1));
    const std::string destination = rawBytes(m_archives->item(row, 2));
    m_folders.SelectedSourceDir = source;
    m_folders.SelectedDestinationDir = destination;
    SelectedFolderOperations(source, destination);
}

Variant frmBackUpRestoreA::SelectedFolderOperations(const std::string &sSourceFolder, const std::string &sDestinationFolder)
{
    if (WindowJob::isRunning(this))
        return {};
    const auto fs = services().fileSystemShared(); // held while the measuring lets events run
    const SelectionPanels panels = selectionSizes(*fs, sSourceFolder, sDestinationFolder, measureWithProgress(this));
    if (!panels.selects)
        return {};
    m_folders.SelectedSourceDir = sSourceFolder;
    m_folders.SelectedDestinationDir = sDestinationFolder;
    if (panels.panel1)
        setStatusText(1, *panels.panel1);
    if (panels.panel2)
        setStatusText(2, *panels.panel2);
    return {};
}

void frmBackUpRestoreA::OpenSelFolder()
{
    if (BusyGuard::isRunning(this))
        return;
    const QModelIndex row = m_lvBody->selectedRow();
    if (!row.isValid())
        return;
    // The path comes from the store's data: opened as a document, never started as a program.
    ShellOpenDocument(rawBytes(m_archives->item(row.row(), 2)), show::Normal);
}

void frmBackUpRestoreA::lvBody_DblClick() { OpenSelFolder(); }

void frmBackUpRestoreA::mnuPopUpOpenFolder_Click() { OpenSelFolder(); }

void frmBackUpRestoreA::lvBody_KeyDown(int keyCode)
{
    if (keyCode != Qt::Key_F7)
        return;
    m_lvBody->setView(m_lvBody->view() == ArchiveListView::Icon ? ArchiveListView::Report : ArchiveListView::Icon);
}

void frmBackUpRestoreA::lvBody_MouseDown(Qt::MouseButton button, const QModelIndex &row, const QPoint &globalPos)
{
    if (button == Qt::RightButton)
        showPopup(row, globalPos);
}

void frmBackUpRestoreA::lvBody_MenuKey(const QModelIndex &current, const QPoint &globalPos) { showPopup(current, globalPos); }

void frmBackUpRestoreA::showPopup(const QModelIndex &row, const QPoint &globalPos)
{
    if (BusyGuard::isRunning(this) || m_mnupopupmenu->isVisible())
        return;
    // The popup acts on the row under the pointer, or the keyboard's current row: it is clicked
    // first, with all that a left click does. Over empty space the selection stays.
    if (row.isValid()) {
        m_lvBody->selectRow(row);
        lvBody_ItemClick(row);
    }
    // Shown, not run: the press or key handler returns at once, so an entry that closes the
    // window never has the list's handler below it on the stack.
    m_mnupopupmenu->popup(globalPos);
}

void frmBackUpRestoreA::StatusBar1_PanelDblClick(int panel)
{
    platform().prompt->tell(statusText(panel), tr("Status...").toStdString(), Icon::Information);
}

} // namespace rnx10

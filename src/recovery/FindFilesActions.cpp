// What the Find Files window does with a chosen result.
#include "recovery/FindFilesWindow.h"

#include "recovery/FoundRowsModel.h"
#include "recovery/ResultItems.h"
#include "recovery/VersionsWindow.h"
#include "common/Launching.h"
#include "platform/Paths.h"
#include "ui/TellFailure.h"

#include <QMenu>
#include <QSortFilterProxyModel>
#include <QTreeView>

namespace rnx10 {

std::string FindFilesWindow::selectedStorePath() const
{
    const QModelIndex at = m_sorted->mapToSource(m_results->currentIndex());
    return at.isValid() ? m_model->found(at.row()).storePath : std::string();
}

std::string FindFilesWindow::selectedOriginalPath() const
{
    const QModelIndex at = m_sorted->mapToSource(m_results->currentIndex());
    return at.isValid() ? originalPathOf(m_model->found(at.row())) : std::string();
}

void FindFilesWindow::openSelected()
{
    const std::string path = selectedStorePath();
    if (!path.empty())
        ShellOpenDocument(path, show::Normal);
}

void FindFilesWindow::openSelectedFolder()
{
    const std::string path = selectedStorePath();
    if (!path.empty())
        ShellOpenDocument(parentPath(path), show::Normal);
}

void FindFilesWindow::showVersions()
{
    const std::string path = selectedOriginalPath();
    if (path.empty())
        return;
    tellingFailure([&] {
        auto *versions = new VersionsWindow(m_computerFolder, this);
        versions->setRestoreTo(m_restoreTo);
        versions->show();
        versions->showVersionsOf(path);
    });
}

void FindFilesWindow::restoreSelected()
{
    const std::string path = selectedStorePath();
    if (!path.empty() && m_restoreTo)
        tellingFailure([&] { m_restoreTo(path); });
}

void FindFilesWindow::showMenu(const QPoint &at)
{
    if (m_results->indexAt(at).isValid())
        m_menu->popup(m_results->viewport()->mapToGlobal(at));
}

} // namespace rnx10

// Which handler each event of the browser's controls runs.
#include "backup_browser/frmBackUpRestoreA.h"

#include "backup_browser/ArchiveListView.h"
#include "backup_browser/StatusPanel.h"
#include "ui/ActionPicture.h"
#include "ui/TellFailure.h"
#include "ui/TellingConnect.h"

#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>

namespace rnx10 {

namespace {
template <typename F> void onMenu(QMenu *menu, const char *name, QObject *context, F handler)
{
    QAction *action = menu->findChild<QAction *>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    Q_ASSERT(action);
    QObject::connect(action, &QAction::triggered, context, [handler] { tellingFailure(handler); });
}
} // namespace

void frmBackUpRestoreA::wireEvents()
{
    connectTelling(m_MonthView1, &QCalendarWidget::selectionChanged, this, &frmBackUpRestoreA::MonthView1_SelChange);
    connectTelling(m_MonthView1, &QCalendarWidget::clicked, this, &frmBackUpRestoreA::MonthView1_Click);
    connectTelling(m_lstTime, &QComboBox::activated, this, &frmBackUpRestoreA::lstTime_Click);
    connectTelling(m_lvBody, &ArchiveListView::itemClicked, this, &frmBackUpRestoreA::lvBody_ItemClick);
    connectTelling(m_lvBody, &ArchiveListView::doubleClicked, this, &frmBackUpRestoreA::lvBody_DblClick);
    connectTelling(m_lvBody, &ArchiveListView::keyDown, this, &frmBackUpRestoreA::lvBody_KeyDown);
    connectTelling(m_lvBody, &ArchiveListView::mouseDown, this, &frmBackUpRestoreA::lvBody_MouseDown);
    connectTelling(m_lvBody, &ArchiveListView::menuKey, this, &frmBackUpRestoreA::lvBody_MenuKey);
    for (int i = 0; i < 2; ++i)
        connect(m_panels[i], &StatusPanel::doubleClicked, this, [this, i] { tellingFailure([&] { StatusBar1_PanelDblClick(i + 1); }); });
    connect(m_cmdExit, &QPushButton::clicked, this, &QWidget::close);
    onMenu(m_mnupopupmenu, "mnuPopUpExit", this, [this] { close(); });
    onMenu(m_mnupopupmenu, "mnuPopUpOpenFolder", this, [this] { mnuPopUpOpenFolder_Click(); });
    onMenu(m_mnupopupmenu, "mnuPopUpThinArchives", this, [this] { mnuPopUpThinArchives_Click(); });
    onMenu(m_mnupopupmenu, "mnuPopUpFindFiles", this, [this] { mnuPopUpFindFiles_Click(); });
}

void frmBackUpRestoreA::wireOperations()
{
    // Every operation tells its failure here rather than let it leave into Qt's event loop.
    connect(m_cmdRegBackup, &QPushButton::clicked, this, [this] { tellingFailure([this] { cmdRegBackup_Click(); }); });
    connect(m_cmdRegBackup2, &QPushButton::clicked, this, [this] { tellingFailure([this] { cmdRegBackup2_Click(); }); });
    connect(m_cmdReport, &QPushButton::clicked, this, [this] { tellingFailure([this] { cmdReport_Click(); }); });
    connect(m_imgLocker, &ActionPicture::activated, this, [this] { tellingFailure([this] { imgLocker_DblClick(); }); });
    onMenu(m_mnupopupmenu, "mnuPopUpStartBackup", this, [this] { mnuPopUpStartBackup_Click(); });
    onMenu(m_mnupopupmenu, "mnuPopUpStartRestore", this, [this] { mnuPopUpStartRestore_Click(); });
    onMenu(m_mnupopupmenu, "mnuPopUpDeleteYear", this, [this] { mnuPopUpDeleteYear_Click(); });
    onMenu(m_mnupopupmenu, "mnuPopUpDeleteMonth", this, [this] { mnuPopUpDeleteMonth_Click(); });
    onMenu(m_mnupopupmenu, "mnuPopUpDeleteDay", this, [this] { mnuPopUpDeleteDay_Click(); });
    onMenu(m_mnupopupmenu, "mnuPopUpDeleteHour", this, [this] { mnuPopUpDeleteHour_Click(); });
    onMenu(m_mnupopupmenu, "mnuPopUpDeleteArchive", this, [this] { mnuPopUpDeleteArchive_Click(); });
    onMenu(m_mnupopupmenu, "mnuPopUpScheduleBackups", this, [this] { mnuPopUpScheduleBackups_Click(); });
    onMenu(m_mnupopupmenu, "mnuPopUpRestoreTo", this, [this] { mnuPopUpRestoreTo_Click(); });
    onMenu(m_mnupopupmenu, "mnuPopUpCompare", this, [this] { mnuPopUpCompare_Click(); });
}

} // namespace rnx10

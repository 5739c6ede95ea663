// The browser's operations: deletions, restore, report, backups, schedule and the locker.
#include "backup_browser/frmBackUpRestoreA.h"

#include "platform/Platform.h"

namespace rnx10 {

namespace {
void notYetAvailable() { platform().prompt->tell("not yet available", kDefaultTitle, Icon::Information); }
} // namespace

void frmBackUpRestoreA::mnuPopUpDeleteArchive_Click() { notYetAvailable(); }
void frmBackUpRestoreA::mnuPopUpDeleteHour_Click() { notYetAvailable(); }
void frmBackUpRestoreA::mnuPopUpDeleteDay_Click() { notYetAvailable(); }
void frmBackUpRestoreA::mnuPopUpDeleteMonth_Click() { notYetAvailable(); }
void frmBackUpRestoreA::mnuPopUpDeleteYear_Click() { notYetAvailable(); }
void frmBackUpRestoreA::mnuPopUpStartRestore_Click() { notYetAvailable(); }
void frmBackUpRestoreA::cmdReport_Click() { notYetAvailable(); }
void frmBackUpRestoreA::cmdRegBackup_Click() { Startbakcup(); }
void frmBackUpRestoreA::mnuPopUpStartBackup_Click() { Startbakcup(); }
void frmBackUpRestoreA::cmdRegBackup2_Click() { notYetAvailable(); }
void frmBackUpRestoreA::mnuPopUpScheduleBackups_Click() { notYetAvailable(); }
void frmBackUpRestoreA::imgLocker_DblClick() { notYetAvailable(); }
void frmBackUpRestoreA::Startbakcup() { notYetAvailable(); }
void frmBackUpRestoreA::WriteFolderTree(const std::string & /*folder*/) {}

} // namespace rnx10

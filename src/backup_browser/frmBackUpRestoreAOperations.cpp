// The browser's operations: deletions, restore, report, backups, schedule and the locker.
#include "backup_browser/frmBackUpRestoreA.h"

#include "automation/AutomationError.h"
#include "backup_browser/ArchiveDeletion.h"
#include "backup_browser/FolderRestore.h"
#include "backup_browser/OperationGuard.h"
#include "backup_browser/OperationJobs.h"
#include "backup_browser/StoreReport.h"
#include "commands/Launching.h"
#include "component/ServiceSet.h"
#include "component/clsRNX10A.h"
#include "platform/MousePointer.h"
#include "platform/Platform.h"
#include "platform/walk/WalkProgress.h"
#include "schedule/frmBackUpScheduleA.h"
#include "services/RuntimeService.h"

#include <QFile>
#include <QPushButton>

#include <cstdlib>

namespace rnx10 {

namespace {

constexpr const char *kDeleted = "Succesfully deleted...";
constexpr const char *kBackupQuestion =
    "Do you want to start backup operations click yes this screen will automatically close., it may take long time "
    "depends upon your speed of computer.";

Prompt &prompt() { return *platform().prompt; }

// A job the user stopped with Cancel needs no message.
void tellError(const AutomationError &e)
{
    if (e.number() != walk::UserInterrupt)
        prompt().tell(e.description(), kDefaultTitle, Icon::Critical);
}

bool confirmed(const std::string &text, const char *title) { return prompt().ask(text, title) == Answer::Yes; }

struct LevelEntry {
    StoreLevel level;
    const char *title;
    const char *tail;
};

const LevelEntry kHour{StoreLevel::Hour, "Delete Hour...", " . This will delete old data."};
const LevelEntry kDay{StoreLevel::Day, "Delete Day...", " . This will delete selected day data."};
const LevelEntry kMonth{StoreLevel::Month, "Delete Month...", " . This will delete old data."};
const LevelEntry kYear{StoreLevel::Year, "Delete Year...", " . This will delete old data."};

// Hour, day, month and year: one procedure, differing in the folder, the question and its title.
void deleteLevel(QWidget *window, const BrowserFolders &folders, const LevelEntry &entry)
{
    const std::optional<std::string> folder = levelFolderToDelete(folders, entry.level);
    if (!folder) {
        prompt().tell(nothingSelectedText(entry.level), kDefaultTitle, Icon::Information);
        return;
    }
    if (!confirmed("Are you sure you want to delete " + *folder + entry.tail, entry.title))
        return;
    try {
        checkInsideStore(folders, *folder);
        BusyPointer busy;
        deleteWithProgress(window, *folder);
    } catch (const AutomationError &e) {
        tellError(e);
        return;
    }
    prompt().tell(kDeleted, kDefaultTitle, Icon::None);
}

// The quick backup on an instance of its own; the caller's instance keeps its services.
void runQuickBackup(std::int32_t handle)
{
    try {
        clsRNX10A once;
        once.RunBackupComputer(handle);
    } catch (const AutomationError &e) {
        tellError(e);
    }
}

std::string processEnvironment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

} // namespace

void frmBackUpRestoreA::mnuPopUpDeleteArchive_Click()
{
    OperationGuard guard(this);
    if (!guard.acquired())
        return;
    const std::string copy = m_folders.SelectedDestinationDir;
    if (!confirmed("Are you sure you want to delete " + copy + " . This will delete selected archive.", "Delete Archive..."))
        return;
    try {
        const std::string archive = archiveFolderOf(copy);
        prompt().tell(archive, kDefaultTitle, Icon::None);
        checkArchiveFolder(m_folders, archive);
        {
            BusyPointer busy;
            deleteWithProgress(this, archive);
        }
        RefreshAdd();
    } catch (const AutomationError &e) {
        tellError(e);
        return;
    }
    prompt().tell(kDeleted, kDefaultTitle, Icon::None);
}

void frmBackUpRestoreA::mnuPopUpDeleteHour_Click()
{
    OperationGuard guard(this);
    if (guard.acquired())
        deleteLevel(this, m_folders, kHour);
}

void frmBackUpRestoreA::mnuPopUpDeleteDay_Click()
{
    OperationGuard guard(this);
    if (guard.acquired())
        deleteLevel(this, m_folders, kDay);
}

void frmBackUpRestoreA::mnuPopUpDeleteMonth_Click()
{
    OperationGuard guard(this);
    if (guard.acquired())
        deleteLevel(this, m_folders, kMonth);
}

void frmBackUpRestoreA::mnuPopUpDeleteYear_Click()
{
    OperationGuard guard(this);
    if (guard.acquired())
        deleteLevel(this, m_folders, kYear);
}

void frmBackUpRestoreA::mnuPopUpStartRestore_Click()
{
    OperationGuard guard(this);
    if (!guard.acquired())
        return;
    const std::string source = m_folders.SelectedSourceDir;
    const std::string copy = m_folders.SelectedDestinationDir;
    try {
        const std::string store = services().runtime().EnvironGet(2, "ZVENVSBAK");
        checkRestoreTarget(source, store); // refused targets are told before anything is asked
        if (!confirmed("Are you sure you want to copy " + copy + " to " + source + " . This will delete old data.", "Sure..."))
            return;
        BusyPointer busy;
        restoreWithProgress(this, copy, source, store);
    } catch (const AutomationError &e) {
        tellError(e);
        return;
    }
    prompt().tell("Done...", kDefaultTitle, Icon::None);
}

void frmBackUpRestoreA::cmdReport_Click()
{
    OperationGuard guard(this);
    if (!guard.acquired())
        return;
    try {
        BusyPointer busy;
        const std::string root = processEnvironment("ZVENVSBAK");
        m_ReportFileNumber = 1; // the one report file open at a time
        m_ReportFilePath = storeReportPath();
        WriteFolderTree(root);
        m_cmdReport->setToolTip(QFile::decodeName(QByteArray::fromStdString(m_ReportFilePath)));
        ShellExecuteOpen(m_ReportFilePath, 3);
    } catch (const AutomationError &e) {
        tellError(e);
    }
}

void frmBackUpRestoreA::WriteFolderTree(const std::string &folder)
{
    // The window repaints while the walk runs on a worker; user input waits for the report's end.
    reportWithProgress(this, folder, m_ReportFilePath);
}

void frmBackUpRestoreA::cmdRegBackup_Click() { Startbakcup(); }

void frmBackUpRestoreA::mnuPopUpStartBackup_Click() { Startbakcup(); }

void frmBackUpRestoreA::Startbakcup()
{
    if (OperationGuard::isRunning(this))
        return;
    if (prompt().ask(kBackupQuestion, "Proceed...", true) == Answer::No)
        return;
    const auto handle = static_cast<std::int32_t>(winId());
    close();
    // The window is closing: nothing below touches it.
    runQuickBackup(handle);
}

void frmBackUpRestoreA::cmdRegBackup2_Click()
{
    if (!OperationGuard::isRunning(this))
        RunRegistryBackupTool();
}

void frmBackUpRestoreA::mnuPopUpScheduleBackups_Click()
{
    OperationGuard guard(this);
    if (!guard.acquired())
        return;
    frmBackUpScheduleA dialog(this);
    dialog.exec();
}

void frmBackUpRestoreA::imgLocker_DblClick()
{
    if (OperationGuard::isRunning(this))
        return;
    std::string locker;
    try {
        locker = services().runtime().EnvironGet(2, "ZVENVSFAM");
    } catch (const AutomationError &e) {
        tellError(e);
        return;
    }
    ShellExecuteOpen(locker, 3);
}

} // namespace rnx10

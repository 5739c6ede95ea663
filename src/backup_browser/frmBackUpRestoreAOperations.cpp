// The browser's operations: deletions, restore, report, backups, schedule and the locker.
#include "backup_browser/frmBackUpRestoreA.h"

#include "automation/AutomationError.h"
#include "store/ArchiveDeletion.h"
#include "store/FolderRestore.h"
#include "store/HeldStoreFolder.h"
#include "store/ShownValue.h"
#include "store/SkippedEntries.h"
#include "store/StoreReport.h"
#include "backup_browser/LockerSize.h"
#include "backup_browser/OperationJobs.h"
#include "recovery/RecoverJobs.h"
#include "common/Launching.h"
#include "common/QuickBackup.h"
#include "platform/FileSystemObject.h"
#include "platform/MousePointer.h"
#include "platform/Platform.h"
#include "platform/Translation.h"
#include "platform/walk/WalkProgress.h"
#include "schedule/frmBackUpScheduleA.h"
#include "services/EnvironmentKeys.h"
#include "services/RuntimeService.h"
#include "services/ServiceSet.h"
#include "ui/BusyGuard.h"
#include "ui/PlainToolTip.h"
#include "ui/TellFailure.h"

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QPushButton>

#include <cstdlib>

namespace rnx10 {

namespace {

// The browser's texts, in the window's own context (tr's).
constexpr const char *kContext = "rnx10::frmBackUpRestoreA";
constexpr const char *kDeleted = QT_TRANSLATE_NOOP("rnx10::frmBackUpRestoreA", "Succesfully deleted...");

Prompt &prompt() { return *platform().prompt; }

bool confirmed(const std::string &text, const std::string &title) { return prompt().ask(text, title) == Answer::Yes; }

void tellDeleted() { prompt().tell(tx(kContext, kDeleted), kDefaultTitle, Icon::None); }

// The question and its title, translated when asked; %1 is the folder.
struct LevelEntry {
    StoreLevel level;
    const char *title;
    const char *question;
};

const LevelEntry kHour{StoreLevel::Hour, QT_TRANSLATE_NOOP("rnx10::frmBackUpRestoreA", "Delete Hour..."),
                       QT_TRANSLATE_NOOP("rnx10::frmBackUpRestoreA", "Are you sure you want to delete %1 . This will delete old data.")};
const LevelEntry kDay{StoreLevel::Day, QT_TRANSLATE_NOOP("rnx10::frmBackUpRestoreA", "Delete Day..."),
                      QT_TRANSLATE_NOOP("rnx10::frmBackUpRestoreA",
                                        "Are you sure you want to delete %1 . This will delete selected day data.")};
const LevelEntry kMonth{StoreLevel::Month, QT_TRANSLATE_NOOP("rnx10::frmBackUpRestoreA", "Delete Month..."),
                        QT_TRANSLATE_NOOP("rnx10::frmBackUpRestoreA", "Are you sure you want to delete %1 . This will delete old data.")};
const LevelEntry kYear{StoreLevel::Year, QT_TRANSLATE_NOOP("rnx10::frmBackUpRestoreA", "Delete Year..."),
                       QT_TRANSLATE_NOOP("rnx10::frmBackUpRestoreA", "Are you sure you want to delete %1 . This will delete old data.")};

// What a deletion took out of the store comes off the locker's size, when it could be measured.
void keepLockerSize(LockerSize *lockerSize, std::optional<std::uint64_t> removed)
{
    if (lockerSize && removed)
        lockerSize->removed(*removed);
}

// Opened from the computer folder the scan saw, never through a link: a level swapped since is
// refused (70) and nothing is deleted.
void deleteHeld(QWidget *window, const BrowserFolders &folders, const std::string &folder, LockerSize *lockerSize)
{
    const std::optional<HeldStoreFolder> held = holdStoreFolder(folders, folder);
    if (!held)
        return; // gone already
    BusyPointer busy;
    keepLockerSize(lockerSize, deleteWithProgress(window, *held, lockerSize != nullptr));
}

// Hour, day, month and year: one procedure, differing in the folder, the question and its title.
void deleteLevel(QWidget *window, const BrowserFolders &folders, const LevelEntry &entry, LockerSize *lockerSize)
{
    const std::optional<std::string> folder = levelFolderToDelete(folders, entry.level);
    if (!folder) {
        prompt().tell(nothingSelectedText(entry.level), kDefaultTitle, Icon::Information);
        return;
    }
    if (!confirmed(fillIn(tx(kContext, entry.question), {*folder}), tx(kContext, entry.title)))
        return;
    try {
        deleteHeld(window, folders, *folder, lockerSize);
    } catch (const AutomationError &e) {
        tellFailure(e);
        return;
    }
    tellDeleted();
}

} // namespace

void frmBackUpRestoreA::mnuPopUpDeleteArchive_Click()
{
    BusyGuard guard(this);
    if (!guard.acquired())
        return;
    const std::string copy = m_folders.SelectedDestinationDir;
    if (!confirmed(fillIn(tr("Are you sure you want to delete %1 . This will delete selected archive.").toStdString(), {shownValue(copy)}),
                   tr("Delete Archive...").toStdString()))
        return;
    try {
        const std::string archive = archiveFolderOf(services().fileSystem(), copy);
        prompt().tell(shownValue(archive), kDefaultTitle, Icon::None);
        checkArchiveFolder(services().fileSystem(), m_folders, archive);
        deleteHeld(this, m_folders, archive, m_lockerSize);
        RefreshAdd();
    } catch (const AutomationError &e) {
        refreshArchiveDays(); // part of it may be gone
        tellFailure(e);
        return;
    }
    tellDeleted();
}

void frmBackUpRestoreA::mnuPopUpDeleteHour_Click()
{
    BusyGuard guard(this);
    if (guard.acquired())
        deleteLevel(this, m_folders, kHour, m_lockerSize);
    refreshArchiveDays();
}

void frmBackUpRestoreA::mnuPopUpDeleteDay_Click()
{
    BusyGuard guard(this);
    if (guard.acquired())
        deleteLevel(this, m_folders, kDay, m_lockerSize);
    refreshArchiveDays();
}

void frmBackUpRestoreA::mnuPopUpDeleteMonth_Click()
{
    BusyGuard guard(this);
    if (guard.acquired())
        deleteLevel(this, m_folders, kMonth, m_lockerSize);
    refreshArchiveDays();
}

void frmBackUpRestoreA::mnuPopUpDeleteYear_Click()
{
    BusyGuard guard(this);
    if (guard.acquired())
        deleteLevel(this, m_folders, kYear, m_lockerSize);
    refreshArchiveDays();
}

void frmBackUpRestoreA::mnuPopUpStartRestore_Click()
{
    BusyGuard guard(this);
    if (!guard.acquired())
        return;
    const std::string source = m_folders.SelectedSourceDir;
    const std::string copy = m_folders.SelectedDestinationDir;
    RestoreDone done;
    try {
        const std::string store = services().runtime().EnvironGet(envkey::kSuiteEnvironment, envkey::Store);
        checkRestoreTarget(source, store); // refused targets are told before anything is asked
        const std::string details = restoreQuestionDetails(this, copy, source);
        if (prompt().ask(fillIn(tr("Are you sure you want to copy %1 to %2 . This will delete old data.").toStdString(),
                                {shownValue(copy), shownValue(source)}),
                         tr("Sure...").toStdString(), false, details) != Answer::Yes)
            return;
        BusyPointer busy;
        done = restoreWithProgress(this, copy, source, store);
    } catch (const AutomationError &e) {
        tellFailure(e);
        return;
    }
    // What became of the replaced folder, and what was not copied, follow the usual text: a folder
    // deleted for good is never silent.
    std::string text = tr("Done...").toStdString();
    for (const std::string &more : {fateText(done.replaced), skippedText(done.skipped)})
        if (!more.empty())
            text += "\n\n" + more;
    prompt().tell(text, kDefaultTitle, Icon::None);
}

void frmBackUpRestoreA::cmdReport_Click()
{
    BusyGuard guard(this);
    if (!guard.acquired())
        return;
    try {
        BusyPointer busy;
        const std::string root = storeReportRoot();
        m_ReportFileNumber = 1; // the one report file open at a time
        m_ReportFilePath = storeReportPath();
        WriteFolderTree(root);
        m_cmdReport->setToolTip(plainToolTip(QFile::decodeName(QByteArray::fromStdString(m_ReportFilePath))));
        ShellOpenDocument(m_ReportFilePath, show::Maximized);
    } catch (const AutomationError &e) {
        tellFailure(e);
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
    if (BusyGuard::isRunning(this))
        return;
    if (!askToStartQuickBackup())
        return;
    const auto handle = static_cast<std::int32_t>(winId());
    // Asked from the window's own handlers (a popup entry, a button): the window closes, and the
    // backup starts, only once they have returned, so none of them runs on in a deleted window.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [window = QPointer<frmBackUpRestoreA>(this), handle] {
            if (window)
                window->close();
            tellingFailure([handle] { runQuickBackupFromWindow(handle); });
        },
        Qt::QueuedConnection);
}

void frmBackUpRestoreA::cmdRegBackup2_Click()
{
    if (!BusyGuard::isRunning(this))
        RunRegistryBackupTool();
}

void frmBackUpRestoreA::mnuPopUpScheduleBackups_Click()
{
    BusyGuard guard(this);
    if (!guard.acquired())
        return;
    frmBackUpScheduleA dialog(this);
    dialog.exec();
}

void frmBackUpRestoreA::imgLocker_DblClick()
{
    if (BusyGuard::isRunning(this))
        return;
    std::string locker;
    try {
        locker = services().runtime().EnvironGet(envkey::kSuiteEnvironment, envkey::Locker);
    } catch (const AutomationError &e) {
        tellFailure(e);
        return;
    }
    ShellExecuteOpen(locker, show::Maximized);
}

} // namespace rnx10

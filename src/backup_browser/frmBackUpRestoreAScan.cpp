// The scan by date, the hour list and the archive list of the browser.
#include "backup_browser/frmBackUpRestoreA.h"

#include "backup_browser/ArchiveDaysMarker.h"
#include "store_views/ArchiveItems.h"
#include "backup_browser/ArchiveListView.h"
#include "store/ArchiveList.h"
#include "store/StoreScan.h"
#include "backup_browser/LockerSize.h"
#include "backup_browser/ProgressMeasure.h"
#include "platform/FileSystemObject.h"
#include "platform/Translation.h"
#include "services/ServiceSet.h"
#include "ui/ActionPicture.h"
#include "ui/PlainToolTip.h"
#include "ui/WindowJob.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QSignalBlocker>
#include <QStandardItemModel>

namespace rnx10 {

namespace {
QString dateToolTip(const QDate &date) { return QLocale::system().toString(date, QStringLiteral("ddd, dd-MMM-yyyy")); }
} // namespace

void frmBackUpRestoreA::SetMe()
{
    {
        // Loading scans once, after SetMe; the date set here is no user's selection change.
        const QSignalBlocker quiet(m_MonthView1);
        m_MonthView1->setSelectedDate(QDate::currentDate());
    }
    m_MonthView1->setToolTip(dateToolTip(m_MonthView1->selectedDate()));
    m_lvBody->setView(ArchiveListView::Icon);
}

void frmBackUpRestoreA::ClearALL()
{
    m_lstTime->clear();
    m_archives->removeRows(0, m_archives->rowCount());
    m_folders.clear();
}

void frmBackUpRestoreA::AddinTV()
{
    if (WindowJob::isRunning(this))
        return;
    ClearALL();
    const QDate date = m_MonthView1->selectedDate();
    // Only the date's folders are listed here; the computer folder's size follows from a worker.
    ScanResult scan = scanStoreDay(services().fileSystem(), date.year(), date.month(), date.day());
    m_folders = scan.folders;
    for (const std::string &hour : scan.hours)
        m_lstTime->addItem(displayText(hour), QByteArray::fromStdString(hour));
    // A drop-down list selects its first entry by itself; the hour is the user's to pick.
    m_lstTime->setCurrentIndex(-1);
    if (scan.status)
        setStatusText(1, *scan.status);
    if (scan.error)
        showFillError(shownDescription(*scan.error), FillError::Scan);
    else
        clearFillError(FillError::Scan);
    m_archiveDays->refresh(m_folders.ComputerFolder);
    if (scan.measuredFolder.empty())
        return; // the scan stopped before it reached the computer folder
    if (!m_lockerSize)
        m_lockerSize = new LockerSize(
            this, [this](const std::string &toolTip) { m_imgLocker->setToolTip(plainToolTip(displayText(toolTip))); },
            [this](const std::string &error) { showFillError(error, FillError::Scan); });
    m_lockerSize->scanned(scan.folders.ComputerFolder, scan.measuredFolder);
}

void frmBackUpRestoreA::AddinLv()
{
    if (WindowJob::isRunning(this))
        return;
    m_archives->removeRows(0, m_archives->rowCount());
    std::optional<std::string> hour;
    if (m_lstTime->currentIndex() >= 0)
        hour = m_lstTime->currentData().toByteArray().toStdString();
    const auto fs = services().fileSystemShared(); // held while the measuring lets events run
    ArchiveListResult list = fillArchiveList(*fs, m_folders.DayFolder, hour, measureWithProgress(this));
    m_folders.HourFolder = list.hourFolder;
    if (list.sizeCaption)
        m_lblSize->setText(QString::fromStdString(*list.sizeCaption));
    if (list.sizeToolTip)
        m_lblSize->setToolTip(QString::fromStdString(*list.sizeToolTip));
    for (const ArchiveRow &row : list.rows)
        m_archives->appendRow(archiveItems(row));
    if (list.error)
        showFillError(shownDescription(*list.error), FillError::List);
    else
        clearFillError(FillError::List);
}

void frmBackUpRestoreA::RefreshAdd()
{
    AddinTV();
    AddinLv();
}

void frmBackUpRestoreA::MonthView1_SelChange()
{
    m_MonthView1->setToolTip(dateToolTip(m_MonthView1->selectedDate()));
    AddinTV();
}

void frmBackUpRestoreA::MonthView1_Click() { AddinTV(); }

void frmBackUpRestoreA::lstTime_Click() { AddinLv(); }

void frmBackUpRestoreA::refreshArchiveDays() { m_archiveDays->refresh(); }

void frmBackUpRestoreA::showFillError(const std::string &description, FillError from)
{
    setStatusText(2, description);
    m_panel2Error = from;
}

void frmBackUpRestoreA::clearFillError(FillError from)
{
    // A new scan empties the list, so a list's error is stale after it as well.
    if (m_panel2Error == FillError::None || (from == FillError::List && m_panel2Error != FillError::List))
        return;
    setStatusText(2, {});
}

} // namespace rnx10

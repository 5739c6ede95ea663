#include "backup_browser/ArchiveDaysMarker.h"

#include "store/ArchiveDays.h"
#include "platform/FileSystemObject.h"
#include "services/ServiceSet.h"
#include "ui/BusyGuard.h"

#include <QCalendarWidget>
#include <QFile>
#include <QTextCharFormat>

#include <algorithm>

namespace rnx10 {

ArchiveDaysMarker::ArchiveDaysMarker(QCalendarWidget *calendar) : QObject(calendar), m_calendar(calendar)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(250);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_settle, qOverload<>(&QTimer::start));
    connect(&m_settle, &QTimer::timeout, this, [this] {
        // The store is not looked at while a job of the window works on it; it is looked at after.
        if (BusyGuard::jobRunning(m_calendar->window()))
            m_settle.start();
        else
            refresh();
    });
    connect(calendar, &QCalendarWidget::currentPageChanged, this, qOverload<>(&ArchiveDaysMarker::refresh));
}

void ArchiveDaysMarker::refresh(const std::string &computerFolder)
{
    m_computerFolder = computerFolder;
    refresh();
}

void ArchiveDaysMarker::refresh()
{
    m_settle.stop();
    const int year = m_calendar->yearShown(), month = m_calendar->monthShown();
    FileSystemObject &fso = services().fileSystem();
    ArchiveDays look = archiveDays(fso, m_computerFolder, year, month);
    watch(fso, look.folders);
    // A level made between the look and the watch would go unseen: look once more now it is watched.
    look = archiveDays(fso, m_computerFolder, year, month);
    watch(fso, look.folders);

    m_calendar->setDateTextFormat(QDate(), QTextCharFormat());
    m_days.clear();
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (int day : look.days) {
        const QDate date(year, month, day);
        if (!date.isValid())
            continue;
        m_calendar->setDateTextFormat(date, bold);
        m_days.insert(date);
    }
}

void ArchiveDaysMarker::watch(FileSystemObject &fso, const std::vector<std::string> &folders)
{
    QStringList paths;
    for (const std::string &folder : folders)
        if (fso.folderExists(folder))
            paths << QFile::decodeName(QByteArray::fromStdString(folder));
    QStringList watched = m_watcher.directories();
    std::sort(paths.begin(), paths.end());
    std::sort(watched.begin(), watched.end());
    if (paths == watched)
        return;
    if (!watched.isEmpty())
        m_watcher.removePaths(watched);
    if (!paths.isEmpty())
        m_watcher.addPaths(paths);
}

} // namespace rnx10

// Shows in bold the days of the calendar's visible month that hold archives. It looks again when
// the page turns, when asked (after a scan or a deletion), and when a folder it looked at changes
// (a backup, or a deletion made elsewhere, while the browser is open).
#pragma once

#include <QDate>
#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <set>
#include <string>
#include <vector>

class QCalendarWidget;

namespace rnx10 {

class FileSystemObject;

class ArchiveDaysMarker : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ArchiveDaysMarker)

public:
    explicit ArchiveDaysMarker(QCalendarWidget *calendar);

    // Looks at the visible month of computerFolder (empty: no store, no day bold).
    void refresh(const std::string &computerFolder);
    // Looks again at the folder last given.
    void refresh();
    // The days shown in bold.
    const std::set<QDate> &days() const { return m_days; }

private:
    void watch(FileSystemObject &fso, const std::vector<std::string> &folders);

    QCalendarWidget *m_calendar;
    std::string m_computerFolder;
    std::set<QDate> m_days;
    QFileSystemWatcher m_watcher;
    QTimer m_settle; // a backup makes several folders in a row: one look after them
};

} // namespace rnx10

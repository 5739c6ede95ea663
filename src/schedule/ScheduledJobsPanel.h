// What the backup tools have on the schedule now, read back from the scheduler, with a way to
// take jobs off it.
#pragma once

#include "services/ScheduledTaskService.h"

#include <QGroupBox>

#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace rnx10 {

class ScheduledJobsPanel : public QGroupBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ScheduledJobsPanel)

public:
    explicit ScheduledJobsPanel(QWidget *parent = nullptr);

    // Reads the jobs again through a scheduled-task service made for this call; a failure shows
    // in the panel in place of the list.
    void refresh();

    QTreeWidget *list() const { return m_list; }
    QPushButton *removeButton() const { return m_remove; }

signals:
    // After every refresh: the health lines may need another height.
    void refreshed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showJobs();
    void showHealth(ScheduledTaskService *service);
    void removeSelected();

    QTreeWidget *m_list;
    QLabel *m_state;
    // Under the list: when the last backup was made, when the next runs, and what keeps it from
    // running; each a line of its own.
    QLabel *m_lastBackup;
    QLabel *m_nextBackup;
    QLabel *m_warnings;
    QPushButton *m_remove;
    std::vector<ScheduledJob> m_jobs;
};

} // namespace rnx10

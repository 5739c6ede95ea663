// "Compare with Current": what restoring an archive would change in its source folder, one row per
// entry that differs, with the three counts. A window of its own; Escape closes it.
#pragma once

#include "backup_browser/RecoverJobs.h"

#include <QWidget>

class QLabel;
class QTreeWidget;

namespace rnx10 {

class CompareWindow : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CompareWindow)

public:
    // Shows compared (the copy against sourceDir); deletes itself when closed.
    CompareWindow(QWidget *parent, const std::string &copy, const std::string &sourceDir, const ComparedTrees &compared);

private:
    void fillRows(const ComparedTrees &compared);

    QTreeWidget *m_changes;
    QLabel *m_counts;
};

} // namespace rnx10

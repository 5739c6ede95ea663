// "Compare with Current": what restoring an archive would change in its source folder, one row per
// entry that differs (and per entry that could not be read), with the three counts; a check box
// compares the files' contents too. A window of its own; Escape closes it.
#pragma once

#include "recovery/RecoverJobs.h"

#include <QWidget>

class QCheckBox;
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
    // Compares again, the files' contents too while the check box is ticked.
    void compareAgain();

    const std::string m_copy, m_sourceDir;
    QTreeWidget *m_changes;
    QCheckBox *m_contents;
    QLabel *m_counts;
};

} // namespace rnx10

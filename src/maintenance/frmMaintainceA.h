// The maintenance dialog: clears the log and temporary folders, opens the log folder and starts
// the quick backup. It sees every key press of its controls first, so Escape always closes it.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QTabWidget;

namespace rnx10 {

struct Leftovers;

class frmMaintainceA : public QDialog {
    Q_OBJECT
public:
    explicit frmMaintainceA(QWidget *parent = nullptr);

private:
    QWidget *buildGeneralTab();
    QWidget *buildLogPart();
    QWidget *buildBackupPart();
    void setTabOrders(QWidget *ok);

    void Form_Load();
    void cmdLogsAndTemp_Click();
    std::vector<std::string> clearWithProgress(Leftovers &left);
    void cmdStartBackups_Click();
    void cmdOK_Click();
    void imgLog_DblClick();

    QTabWidget *m_tabs = nullptr;
};

} // namespace rnx10

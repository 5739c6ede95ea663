// The backup schedule dialog: days, time and repetition for the two backup tools' jobs.
#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace rnx10 {

class ScheduledJobsPanel;

class frmBackUpScheduleA : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmBackUpScheduleA)

public:
    explicit frmBackUpScheduleA(QWidget *parent = nullptr);

    // Registers "regbak" then "shellbak" with a scheduled-task service made for this call, with
    // the days and time as typed. Raises the service's error; a failing second job leaves the
    // first registered.
    void AddScheduletask();

protected:
    // Every showing reads back what is scheduled now.
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void buildFrame();
    void setTabOrders();
    void nameForScreenReaders();
    void fitHeight();
    void cmdOK_Click();
    void cmdCancel_Click();

    QGroupBox *m_Frame1 = nullptr;
    QLabel *m_Label2 = nullptr;
    QLineEdit *m_txtTIME = nullptr;
    QLabel *m_Label3 = nullptr;
    QRadioButton *m_Option1 = nullptr;
    QRadioButton *m_Option2 = nullptr;
    QLineEdit *m_txtDays = nullptr;
    QPushButton *m_cmdOK = nullptr;
    QPushButton *m_cmdCancel = nullptr;
    ScheduledJobsPanel *m_scheduled = nullptr;
};

} // namespace rnx10

#include "schedule/frmBackUpScheduleA.h"

#include "automation/AutomationError.h"
#include "automation/ObjectRegistry.h"
#include "common/Launching.h"
#include "platform/Platform.h"
#include "platform/Translation.h"
#include "schedule/ScheduledJobsPanel.h"
#include "services/ProgIds.h"
#include "services/ScheduledTaskService.h"
#include "ui/TellingConnect.h"
#include "ui/BusyGuard.h"
#include "ui/CloseOnEscape.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace rnx10 {

namespace {
template <typename T> T *named(T *widget, const char *name)
{
    widget->setObjectName(name);
    return widget;
}
} // namespace

frmBackUpScheduleA::frmBackUpScheduleA(QWidget *parent) : QDialog(parent)
{
    setObjectName("frmBackUpScheduleA");
    setWindowTitle(tr("Add Backup Schedule Task"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    buildControls();
    setTabOrders();
    nameForScreenReaders();
    connectTelling(m_cmdOK, &QPushButton::clicked, this, &frmBackUpScheduleA::cmdOK_Click);
    connectTelling(m_cmdCancel, &QPushButton::clicked, this, &frmBackUpScheduleA::cmdCancel_Click);
    connectTelling(m_scheduled, &ScheduledJobsPanel::refreshed, this, &frmBackUpScheduleA::fitHeight);
    new CloseOnEscape(this);
    setFixedSize(sizeHint());
    m_txtTIME->setFocus();
}

void frmBackUpScheduleA::buildControls()
{
    m_Frame1 = named(new QGroupBox(this), "Frame1");
    buildFrame();
    // Under the dialog's own controls: what the scheduler holds now.
    m_scheduled = new ScheduledJobsPanel(this);
    auto *outer = new QVBoxLayout(this);
    outer->addWidget(m_Frame1);
    outer->addWidget(m_scheduled);
}

void frmBackUpScheduleA::buildFrame()
{
    m_Label2 = named(new QLabel(tr("Time"), m_Frame1), "Label2");
    // The time and the day codes are what the scheduler reads: the same in every language.
    m_txtTIME = named(new QLineEdit("22:00", m_Frame1), "txtTIME");
    m_txtTIME->setToolTip(tr("Format : 22:00 (hh:mm)"));
    m_Label3 = named(new QLabel(tr("Date"), m_Frame1), "Label3");
    m_Option1 = named(new QRadioButton(tr("next"), m_Frame1), "Option1");
    m_Option2 = named(new QRadioButton(tr("every"), m_Frame1), "Option2");
    m_Option2->setChecked(true);
    m_txtDays = named(new QLineEdit("M,T,W,TH,F,S,SU", m_Frame1), "txtDays");
    m_txtDays->setToolTip(tr("Format : M,T,W,TH,F,S,SU"));
    m_cmdOK = named(new QPushButton(tr("&OK"), m_Frame1), "cmdOK");
    m_cmdCancel = named(new QPushButton(tr("&Cancel"), m_Frame1), "cmdCancel");
    // Enter presses OK, or the button that has the focus.
    m_cmdOK->setDefault(true);

    auto *grid = new QGridLayout(m_Frame1);
    grid->addWidget(m_Label2, 0, 0);
    grid->addWidget(m_txtTIME, 0, 1, 1, 2);
    grid->addWidget(m_Label3, 1, 0);
    grid->addWidget(m_Option1, 1, 1);
    grid->addWidget(m_Option2, 1, 2);
    grid->addWidget(m_txtDays, 2, 1, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(m_cmdCancel);
    grid->addLayout(buttons, 3, 0, 1, 3);
}

void frmBackUpScheduleA::setTabOrders()
{
    QWidget::setTabOrder(m_txtTIME, m_Option2);
    QWidget::setTabOrder(m_Option2, m_Option1);
    QWidget::setTabOrder(m_Option1, m_txtDays);
    QWidget::setTabOrder(m_txtDays, m_cmdOK);
    QWidget::setTabOrder(m_cmdOK, m_cmdCancel);
    QWidget::setTabOrder(m_cmdCancel, m_scheduled->list());
    QWidget::setTabOrder(m_scheduled->list(), m_scheduled->removeButton());
}

void frmBackUpScheduleA::nameForScreenReaders()
{
    m_Frame1->setAccessibleName(tr("Backup schedule"));
    m_txtTIME->setAccessibleName(tr("Time"));
    m_txtDays->setAccessibleName(tr("Days"));
    m_Option1->setAccessibleDescription(tr("Run once, at the next of the days"));
    m_Option2->setAccessibleDescription(tr("Run on every one of the days"));
}

void frmBackUpScheduleA::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_scheduled->refresh();
}

void frmBackUpScheduleA::fitHeight()
{
    // The panel's health lines wrap and its warnings come and go: the width stays, the height
    // follows what they need.
    setFixedHeight(layout()->totalHeightForWidth(width()));
}

void frmBackUpScheduleA::cmdCancel_Click() { close(); }

void frmBackUpScheduleA::cmdOK_Click()
{
    if (BusyGuard::isRunning(this))
        return;
    Prompt &prompt = *platform().prompt;
    if (prompt.ask(tr("Are you sure?").toStdString(), tr("sure...").toStdString()) == Answer::No)
        return;
    try {
        AddScheduletask();
    } catch (const AutomationError &e) {
        prompt.tell(shownDescription(e), kDefaultTitle, Icon::Critical);
        m_scheduled->refresh(); // the first job may be on the schedule by now
        return;
    }
    prompt.tell(tr("Zorvane backup tools has been successfully scheduled in windows schedules, you can modify "
                   "schedules from windows schedule tasks under control panel")
                    .toStdString(),
                tr("Scheduled...").toStdString(), Icon::Information);
    accept();
}

void frmBackUpScheduleA::AddScheduletask()
{
    auto service = ObjectRegistry::create<ScheduledTaskService>(progid::ScheduledTasks);
    bool every = m_Option2->isChecked();
    std::int32_t jobId = 0;
    const struct {
        const char *program, *name;
        bool sixth;
    } jobs[] = {{"regbak.exe", "regbak", false}, {"shellbak.exe", "shellbak", true}};
    for (const auto &job : jobs) {
        std::string program = suiteProgramPath(job.program);
        std::string name = job.name;
        service->AddNetScheduleJob("", m_txtDays->text().toStdString(), m_txtTIME->text().toStdString(), program,
                                   jobId, job.sixth, every, name);
    }
}

} // namespace rnx10

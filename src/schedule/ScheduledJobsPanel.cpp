#include "schedule/ScheduledJobsPanel.h"

#include "automation/AutomationError.h"
#include "automation/ObjectRegistry.h"
#include "platform/Platform.h"
#include "platform/Translation.h"
#include "services/MinuteText.h"
#include "services/ProgIds.h"
#include "health/ScheduleHealth.h"
#include "store/StoreLocation.h"
#include "ui/TellingConnect.h"
#include "ui/PlainToolTip.h"
#include "ui/TellFailure.h"

#include <QKeyEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace rnx10 {

namespace {
std::shared_ptr<ScheduledTaskService> scheduledTasks()
{
    return ObjectRegistry::create<ScheduledTaskService>(progid::ScheduledTasks);
}

// How long a span is, in its largest whole unit, as spanText words it: "3 days", "1 hour".
QString shownSpan(std::time_t seconds)
{
    if (seconds >= 86400) {
        const auto days = static_cast<int>(seconds / 86400);
        return days == 1 ? ScheduledJobsPanel::tr("1 day") : ScheduledJobsPanel::tr("%n days", nullptr, days);
    }
    if (seconds >= 3600) {
        const auto hours = static_cast<int>(seconds / 3600);
        return hours == 1 ? ScheduledJobsPanel::tr("1 hour") : ScheduledJobsPanel::tr("%n hours", nullptr, hours);
    }
    const auto minutes = static_cast<int>(seconds > 0 ? seconds / 60 : 0);
    return minutes == 1 ? ScheduledJobsPanel::tr("1 minute") : ScheduledJobsPanel::tr("%n minutes", nullptr, minutes);
}
} // namespace

ScheduledJobsPanel::ScheduledJobsPanel(QWidget *parent)
    : QGroupBox(tr("Scheduled now"), parent), m_list(new QTreeWidget(this)), m_state(new QLabel(this)),
      m_lastBackup(new QLabel(this)), m_nextBackup(new QLabel(this)), m_warnings(new QLabel(this)),
      m_remove(new QPushButton(tr("&Remove"), this))
{
    setObjectName(QStringLiteral("grpScheduled"));
    m_list->setObjectName(QStringLiteral("lstScheduled"));
    m_state->setTextFormat(Qt::PlainText);
    m_list->setAccessibleName(tr("Scheduled backup jobs"));
    // What a job runs shows as the row's tooltip: a path is too long for the dialog's width.
    m_list->setHeaderLabels({tr("Job"), tr("When")});
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->header()->setStretchLastSection(true);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setMinimumHeight(110);
    m_list->setMaximumHeight(130);
    m_list->installEventFilter(this);

    m_state->setObjectName(QStringLiteral("lblScheduledState"));
    m_state->setWordWrap(true);
    m_state->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_remove->setObjectName(QStringLiteral("cmdRemoveScheduled"));
    m_remove->setToolTip(tr("Takes the selected jobs off the schedule"));
    m_remove->setEnabled(false);

    const std::pair<QLabel *, const char *> healthLines[] = {
        {m_lastBackup, "lblLastBackup"}, {m_nextBackup, "lblNextBackup"}, {m_warnings, "lblScheduleWarnings"}};
    for (const auto &[label, name] : healthLines) {
        label->setObjectName(QString::fromLatin1(name));
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    m_lastBackup->setText(tr("Last backup: ..."));
    m_nextBackup->setText(tr("Next backup: ..."));
    m_warnings->hide();

    auto *row = new QHBoxLayout;
    row->addWidget(m_state, 1);
    row->addWidget(m_remove, 0, Qt::AlignTop);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(row);
    layout->addWidget(m_lastBackup);
    layout->addWidget(m_nextBackup);
    layout->addWidget(m_warnings);

    connect(m_list, &QTreeWidget::itemSelectionChanged, this,
            [this] { m_remove->setEnabled(!m_list->selectedItems().isEmpty()); });
    connectTelling(m_remove, &QPushButton::clicked, this, &ScheduledJobsPanel::removeSelected);
}

bool ScheduledJobsPanel::eventFilter(QObject *watched, QEvent *event)
{
    // Delete in the list does what the Remove button does.
    if (watched == m_list && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete) {
        tellingFailure([this] { removeSelected(); });
        return true;
    }
    return QGroupBox::eventFilter(watched, event);
}

void ScheduledJobsPanel::refresh()
{
    m_jobs.clear();
    std::shared_ptr<ScheduledTaskService> service;
    try {
        service = scheduledTasks();
        m_jobs = service->scheduledJobs();
    } catch (const AutomationError &e) {
        showJobs();
        m_state->setText(tr("The schedule cannot be read: %1").arg(QString::fromStdString(shownDescription(e))));
        showHealth(service.get());
        return;
    }
    showJobs();
    showHealth(service.get());
}

void ScheduledJobsPanel::showHealth(ScheduledTaskService *service)
{
    // Without a service there is no schedule to read; the lines stay, the list's state tells why.
    ScheduleHealth health;
    QStringList warnings;
    try {
        if (service)
            health = scheduleHealth(currentHealthInputs(*service, computerFolderPath()));
    } catch (const AutomationError &e) {
        warnings << QString::fromStdString(shownDescription(e));
    }
    const std::time_t now = service ? service->now() : std::time(nullptr);
    m_lastBackup->setText(health.lastBackup ? tr("Last backup: %1 (%2 ago)")
                                                  .arg(QString::fromStdString(minuteText(*health.lastBackup)),
                                                       shownSpan(now - *health.lastBackup))
                                            : tr("Last backup: none yet"));
    const std::optional<JobHealth> next = health.nextBackup();
    m_nextBackup->setText(next ? tr("Next backup: %1 (%2)")
                                     .arg(QString::fromStdString(minuteText(*next->next)), QString::fromStdString(next->name))
                               : tr("Next backup: none scheduled"));
    for (const std::string &warning : health.shownWarnings)
        warnings << QString::fromStdString(warning);
    m_warnings->setText(warnings.join(QLatin1Char('\n')));
    m_warnings->setVisible(!warnings.isEmpty());
    emit refreshed();
}

void ScheduledJobsPanel::showJobs()
{
    m_list->clear();
    for (const ScheduledJob &job : m_jobs) {
        const QString when = job.every ? QString::fromStdString(job.when) : tr("next: %1").arg(QString::fromStdString(job.when));
        auto *item = new QTreeWidgetItem(m_list, {QString::fromStdString(job.name), when});
        const QString program = plainToolTip(tr("Runs %1").arg(QString::fromLocal8Bit(job.program.c_str())));
        item->setToolTip(0, program);
        item->setToolTip(1, program);
    }
    m_list->resizeColumnToContents(0);
    const auto count = static_cast<int>(m_jobs.size());
    m_state->setText(count == 0   ? tr("The backup tools are not scheduled.")
                     : count == 1 ? tr("1 job is scheduled.")
                                  : tr("%n jobs are scheduled.", nullptr, count));
    m_remove->setEnabled(false);
}

void ScheduledJobsPanel::removeSelected()
{
    std::vector<ScheduledJob> chosen;
    for (int row = 0; row < m_list->topLevelItemCount(); ++row)
        if (m_list->topLevelItem(row)->isSelected())
            chosen.push_back(m_jobs[static_cast<std::size_t>(row)]);
    if (chosen.empty() ||
        platform().prompt->ask(tr("Take the selected jobs off the schedule?").toStdString(),
                               tr("Remove...").toStdString()) == Answer::No)
        return;
    tellingFailure([&] {
        const auto service = scheduledTasks();
        for (const ScheduledJob &job : chosen)
            service->removeJob(job);
    });
    refresh();
}

} // namespace rnx10

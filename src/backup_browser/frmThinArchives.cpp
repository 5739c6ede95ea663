#include "backup_browser/frmThinArchives.h"

#include "automation/AutomationError.h"
#include "automation/ObjectRegistry.h"
#include "backup_browser/RunSizes.h"
#include "backup_browser/core/SizeText.h"
#include "backup_browser/core/ThinningSchedule.h"
#include "backup_browser/core/ThinningSettings.h"
#include "platform/Platform.h"
#include "platform/Translation.h"
#include "services/ProgIds.h"
#include "services/ScheduledTaskService.h"
#include "services/ServiceSet.h"
#include "ui/CloseOnEscape.h"
#include "ui/TellFailure.h"
#include "ui/WindowJob.h"
#include "ui/TellingConnect.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace rnx10 {

namespace {

// The window's texts kept here are translated where they are shown, in its own context (tr's).
constexpr const char *kTitle = QT_TRANSLATE_NOOP("rnx10::frmThinArchives", "Thin Old Archives");

struct NumberRow {
    const char *name;
    const char *label;
    int ThinningRule::*member;
};

const NumberRow kRows[] = {
    {"spnWithin", QT_TRANSLATE_NOOP("rnx10::frmThinArchives", "Keep every run of the last (days):"), &ThinningRule::within},
    {"spnDaily", QT_TRANSLATE_NOOP("rnx10::frmThinArchives", "Then the newest run of each of the last (days):"), &ThinningRule::daily},
    {"spnWeekly", QT_TRANSLATE_NOOP("rnx10::frmThinArchives", "... of each of the last (ISO weeks):"), &ThinningRule::weekly},
    {"spnMonthly", QT_TRANSLATE_NOOP("rnx10::frmThinArchives", "... of each of the last (months):"), &ThinningRule::monthly},
    {"spnYearly", QT_TRANSLATE_NOOP("rnx10::frmThinArchives", "... of each of the last (years):"), &ThinningRule::yearly},
};

QString shown(const std::string &path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

QString megabytesText(std::uint64_t bytes)
{
    return QCoreApplication::translate("rnx10::frmThinArchives", "%1 MB").arg(QString::fromStdString(roundedMegabytes(bytes)));
}

QString sizeText(std::optional<std::uint64_t> bytes) { return bytes ? megabytesText(*bytes) : QStringLiteral("?"); }

std::shared_ptr<ScheduledTaskService> scheduledTasks()
{
    return ObjectRegistry::create<ScheduledTaskService>(progid::ScheduledTasks);
}

// Whether the crontab holds the thinning lines now (a schedule changed elsewhere, or by hand,
// counts); unknown when it cannot be read.
std::optional<bool> thinningScheduled()
{
    try {
        const std::vector<cron::CronJob> marked = scheduledTasks()->markedCrontabLines();
        return std::any_of(marked.begin(), marked.end(), [](const cron::CronJob &job) { return job.jobName == kThinJobName; });
    } catch (const std::exception &) {
        return std::nullopt;
    }
}

} // namespace

frmThinArchives::frmThinArchives(QWidget *parent, std::string computerFolder, QDateTime now)
    : QDialog(parent), m_computerFolder(std::move(computerFolder)), m_now(std::move(now))
{
    setObjectName(QStringLiteral("frmThinArchives"));
    setWindowTitle(tr(kTitle));
    setMinimumSize(560, 460);
    new CloseOnEscape(this);
    const ThinningSettings settings = loadThinningSettings();

    auto *form = new QFormLayout;
    for (std::size_t i = 0; i < m_numbers.size(); ++i) {
        m_numbers[i] = spinBox(kRows[i].name, settings.rule.*kRows[i].member);
        form->addRow(tr(kRows[i].label), m_numbers[i]);
    }
    m_afterBackup = new QCheckBox(tr("Thin after every scheduled backup"), this);
    m_afterBackup->setObjectName(QStringLiteral("chkAfterBackup"));
    m_afterBackup->setChecked(thinningScheduled().value_or(settings.afterBackup));

    m_runs = new QTreeWidget(this);
    m_runs->setObjectName(QStringLiteral("lstRuns"));
    m_runs->setHeaderLabels({tr("Run to delete"), tr("Size")});
    m_runs->setRootIsDecorated(false);
    m_runs->header()->setStretchLastSection(false);
    m_runs->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_runs->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_total = new QLabel(this);
    m_total->setObjectName(QStringLiteral("lblTotal"));
    m_total->setTextFormat(Qt::PlainText);

    auto *buttons = new QDialogButtonBox(this);
    m_thin = buttons->addButton(tr("&Thin"), QDialogButtonBox::ActionRole); // no accept role: never the default
    m_thin->setObjectName(QStringLiteral("cmdThin"));
    QPushButton *close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("cmdClose"));
    // Enter completes a typed number; it never thins or closes.
    for (QPushButton *button : {m_thin, close}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_afterBackup);
    layout->addWidget(m_runs, 1);
    layout->addWidget(m_total);
    layout->addWidget(buttons);

    m_sizes = new RunSizes(this, [this](std::size_t index, std::optional<std::uint64_t> bytes) { sizeMeasured(index, bytes); });
    connectTelling(m_thin, &QPushButton::clicked, this, &frmThinArchives::cmdThin_Click);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connectTelling(m_afterBackup, &QCheckBox::toggled, this, &frmThinArchives::chkAfterBackup_Toggled);
    preview();
}

frmThinArchives::~frmThinArchives() { m_sizes->stop(); }

QSpinBox *frmThinArchives::spinBox(const char *name, int value)
{
    auto *box = new QSpinBox(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(0, 9999);
    box->setKeyboardTracking(false); // a typed number counts once it is complete
    box->setValue(value);
    connectTelling(box, &QSpinBox::valueChanged, this, &frmThinArchives::ruleChanged);
    return box;
}

ThinningRule frmThinArchives::shownRule() const
{
    ThinningRule rule;
    for (std::size_t i = 0; i < m_numbers.size(); ++i)
        rule.*kRows[i].member = m_numbers[i]->value();
    return rule;
}

void frmThinArchives::ruleChanged()
{
    preview();
    saveSettings();
    if (m_afterBackup->isChecked() && !m_plan.folders.ComputerFolder.empty()) // a rule the preview took
        scheduleThinning(*scheduledTasks(), shownRule(), storeToolProgram());
}

// Lists the runs at once from the folder names; their sizes follow from the worker.
void frmThinArchives::preview()
{
    m_sizes->stop();
    m_runs->clear();
    m_plan = {};
    m_bytes.clear();
    m_thin->setEnabled(false);
    try {
        m_plan = planThinning(m_computerFolder, shownRule(), m_now);
    } catch (const AutomationError &e) {
        m_total->setText(QString::fromStdString(shownDescription(e)));
        return;
    }
    std::vector<std::string> paths;
    for (const StoreRun &run : m_plan.toDelete) {
        auto *item = new QTreeWidgetItem(m_runs, {shown(run.path), tr("...")});
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        paths.push_back(run.path);
    }
    m_bytes.resize(paths.size());
    m_thin->setEnabled(!paths.empty());
    showTotal();
    m_sizes->measure(m_plan.folders, paths);
}

void frmThinArchives::sizeMeasured(std::size_t index, std::optional<std::uint64_t> bytes)
{
    if (index >= m_bytes.size())
        return;
    m_bytes[index] = bytes;
    m_runs->topLevelItem(static_cast<int>(index))->setText(1, sizeText(bytes));
    showTotal();
}

void frmThinArchives::showTotal()
{
    std::uint64_t total = 0;
    std::size_t known = 0;
    for (const auto &bytes : m_bytes)
        if (bytes) {
            total += *bytes;
            ++known;
        }
    QString text = tr("%1 of %n runs to delete", nullptr, static_cast<int>(m_plan.runCount))
                       .arg(QString::number(m_plan.toDelete.size()));
    if (!m_plan.toDelete.empty())
        text += tr(", total %1%2").arg(megabytesText(total), known < m_bytes.size() ? tr(" so far") : QString());
    m_total->setText(text);
}

void frmThinArchives::cmdThin_Click()
{
    const std::string question = tr("Are you sure you want to delete the %n runs listed? This will delete old data.", nullptr,
                                    static_cast<int>(m_plan.toDelete.size()))
                                     .toStdString();
    if (m_plan.toDelete.empty() || platform().prompt->ask(question, tr(kTitle).toStdString()) != Answer::Yes)
        return;
    m_sizes->stop();
    const auto fs = services().fileSystemShared();
    const ThinningPlan plan = m_plan;
    ProgressRunner::Task task;
    task.title = tr("Thinning...");
    task.text = tr("Deleting %n runs of %1", nullptr, static_cast<int>(plan.toDelete.size())).arg(shown(m_computerFolder));
    task.cancellable = true;
    task.expectedEntries = plan.toDelete.size();
    try {
        WindowJob::run(this, task,
                       [&](walk::WalkProgress &progress) { thinStore(*fs, plan, progress, {}, ThinningWait::No); });
        platform().prompt->tell(tr("Succesfully deleted...").toStdString(), kDefaultTitle, Icon::None);
    } catch (const AutomationError &e) {
        if (e.number() != walk::UserInterrupt)
            tellFailure(e);
    }
    preview();
}

void frmThinArchives::chkAfterBackup_Toggled(bool on)
{
    try {
        if (on)
            scheduleThinning(*scheduledTasks(), shownRule(), storeToolProgram());
        else
            unscheduleThinning(*scheduledTasks());
    } catch (const AutomationError &) {
        const QSignalBlocker quiet(m_afterBackup); // the box shows what the crontab holds
        m_afterBackup->setChecked(!on);
        throw; // told by the connection
    }
    saveSettings();
}

void frmThinArchives::saveSettings()
{
    saveThinningSettings({shownRule(), m_afterBackup->isChecked()});
}

} // namespace rnx10

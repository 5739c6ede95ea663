#include "thinning/frmThinArchives.h"

#include "automation/AutomationError.h"
#include "automation/ObjectRegistry.h"
#include "thinning/RunSizes.h"
#include "store/SizeText.h"
#include "store/ThinningSchedule.h"
#include "store/ThinningSettings.h"
#include "platform/Platform.h"
#include "platform/Translation.h"
#include "services/ProgIds.h"
#include "services/ScheduledTaskService.h"
#include "services/ServiceSet.h"
#include "ui/CloseOnEscape.h"
#include "ui/PlainToolTip.h"
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
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

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

// Below a megabyte in kilobytes: "0 MB" would hide a run that still holds something.
QString sizeText(std::uint64_t bytes)
{
    constexpr std::uint64_t kMegabyte = 1048576;
    if (bytes < kMegabyte)
        return QCoreApplication::translate("rnx10::frmThinArchives", "%1 KB").arg(QLocale().toString((bytes + 1023) / 1024));
    return QCoreApplication::translate("rnx10::frmThinArchives", "%1 MB").arg(QString::fromStdString(roundedMegabytes(bytes)));
}

QString sizeText(std::optional<std::uint64_t> bytes) { return bytes ? sizeText(*bytes) : QStringLiteral("?"); }

bool allZero(const ThinningRule &rule)
{
    return rule.within == 0 && rule.daily == 0 && rule.weekly == 0 && rule.monthly == 0 && rule.yearly == 0;
}

// The run's date and time as the list shows it; its path goes into the tooltip.
QString runText(const StoreRun &run) { return run.time.toString(QStringLiteral("yyyy-MM-dd HH:mm")); }

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
    m_runs->setUniformRowHeights(true); // thousands of rows: one height, not one measure a row
    m_runs->header()->setStretchLastSection(false);
    m_runs->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    // A width fixed for the widest size: fitting the column to its contents measures every row
    // again at each size that arrives, which thousands of runs turn into seconds.
    m_runs->header()->setSectionResizeMode(1, QHeaderView::Fixed);
    m_runs->header()->resizeSection(
        1, std::max(m_runs->header()->sectionSizeHint(1),
                    m_runs->fontMetrics().horizontalAdvance(sizeText(std::uint64_t{999999} * 1048576)) + 24));
    m_total = new QLabel(this);
    m_total->setObjectName(QStringLiteral("lblTotal"));
    m_total->setTextFormat(Qt::PlainText);
    m_total->setWordWrap(true); // a refusal is read whole

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

    m_sizes = new RunSizes(this, [this](const std::vector<MeasuredRun> &batch) { sizesMeasured(batch); });
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
    if (ruleRefused(shownRule()))
        return; // neither kept nor scheduled: the window says why
    saveSettings();
    if (m_afterBackup->isChecked() && !m_plan.folders.ComputerFolder.empty()) // a rule the preview took
        scheduleThinning(*scheduledTasks(), shownRule(), storeToolProgram());
}

bool frmThinArchives::ruleRefused(const ThinningRule &rule)
{
    try {
        checkThinningRule(rule);
        return false;
    } catch (const AutomationError &) {
        return true;
    }
}

// Lists the runs at once from the folder names; sizes measured before show at once, the others
// follow from the worker.
void frmThinArchives::preview()
{
    m_sizes->stop();
    m_runs->clear();
    m_rowOf.clear();
    m_plan = {};
    m_thin->setEnabled(false);
    if (allZero(shownRule())) {
        m_total->setText(tr("A rule whose five numbers are all 0 would delete every run but the newest. Give at least one "
                            "number above 0; this rule is not saved."));
        return;
    }
    try {
        // The store is read once: a changed number plans again from what was listed.
        if (!m_listed)
            m_listed = listThinnedStore(m_computerFolder);
        m_plan = planThinning(*m_listed, shownRule(), m_now);
    } catch (const AutomationError &e) {
        m_total->setText(QString::fromStdString(shownDescription(e)));
        return;
    }
    QList<QTreeWidgetItem *> items;
    std::vector<std::string> unmeasured;
    for (const StoreRun &run : m_plan.toDelete) {
        const auto known = m_sizeOf.find(run.path);
        auto *item = new QTreeWidgetItem({runText(run), known == m_sizeOf.end() ? tr("...") : sizeText(known->second)});
        item->setToolTip(0, plainToolTip(shown(run.path)));
        item->setData(0, Qt::UserRole, QByteArray::fromStdString(run.path));
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
        m_rowOf[run.path] = static_cast<int>(items.size());
        items.push_back(item);
        if (known == m_sizeOf.end())
            unmeasured.push_back(run.path);
    }
    m_runs->addTopLevelItems(items); // one update for the whole list
    m_thin->setEnabled(!items.isEmpty());
    showTotal();
    if (!unmeasured.empty())
        m_sizes->measure(m_plan.folders, unmeasured);
}

void frmThinArchives::sizesMeasured(const std::vector<MeasuredRun> &batch)
{
    for (const MeasuredRun &run : batch) {
        m_sizeOf[run.path] = run.bytes;
        if (const auto row = m_rowOf.find(run.path); row != m_rowOf.end())
            m_runs->topLevelItem(row->second)->setText(1, sizeText(run.bytes));
    }
    showTotal();
}

// The runs to delete, of how many, and their size so far.
void frmThinArchives::showTotal()
{
    std::uint64_t total = 0;
    std::size_t known = 0;
    for (const StoreRun &run : m_plan.toDelete)
        if (const auto size = m_sizeOf.find(run.path); size != m_sizeOf.end()) {
            total += size->second.value_or(0);
            ++known;
        }
    QString text = tr("%1 of %n runs to delete", nullptr, static_cast<int>(m_plan.runCount))
                       .arg(QString::number(m_plan.toDelete.size()));
    if (!m_plan.toDelete.empty())
        text += tr(", total %1%2").arg(sizeText(total), known < m_plan.toDelete.size() ? tr(" so far") : QString());
    m_total->setText(text);
}

void frmThinArchives::cmdThin_Click()
{
    const std::string question = tr("Are you sure you want to delete the %n runs listed? This will delete old data.", nullptr,
                                    static_cast<int>(m_plan.toDelete.size()))
                                     .toStdString();
    // Enter answers No: deleting old data takes a deliberate Yes.
    if (m_plan.toDelete.empty() ||
        platform().prompt->ask(question, tr(kTitle).toStdString(), false, {}, Answer::No) != Answer::Yes)
        return;
    m_sizes->stop();
    const auto fs = services().fileSystemShared();
    const ThinningPlan plan = m_plan;
    ProgressRunner::Task task;
    task.title = tr("Thinning...");
    task.text = tr("Deleting %n runs of %1", nullptr, static_cast<int>(plan.toDelete.size())).arg(shown(m_computerFolder));
    task.cancellable = true;
    task.expectedEntries = plan.toDelete.size();
    std::vector<std::string> gone; // what this thinning deleted itself, empty hour folders too
    std::size_t deleted = 0;
    try {
        WindowJob::run(this, task, [&](walk::WalkProgress &progress) {
            thinStore(*fs, plan, progress, [&](const std::string &path) { gone.push_back(path); }, ThinningWait::No);
            deleted = progress.entries;
        });
        std::uint64_t freed = 0;
        for (const std::string &path : gone)
            if (const auto size = m_sizeOf.find(path); size != m_sizeOf.end())
                freed += size->second.value_or(0);
        m_thinned = !gone.empty();
        platform().prompt->tell(tr("%n runs deleted, %1 freed.", nullptr, static_cast<int>(deleted)).arg(sizeText(freed)).toStdString(),
                                tr(kTitle).toStdString(), Icon::Information);
    } catch (const AutomationError &e) {
        m_thinned = true; // some may be gone
        if (e.number() != walk::UserInterrupt)
            tellFailure(e);
    }
    m_listed.reset(); // what is left is read again
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

#include "recovery/FindFilesWindow.h"

#include "store_views/ArchiveItems.h"
#include "recovery/FoundRowsModel.h"
#include "recovery/ResultItems.h"
#include "recovery/SearchFeed.h"
#include "platform/Translation.h"
#include "ui/CloseOnEscape.h"
#include "ui/PlainToolTip.h"
#include "ui/TellingConnect.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace rnx10 {

namespace {
// Rows added at one tick of the window's timer: enough to keep up with a fast search, few enough
// that the window never pauses for long.
constexpr std::size_t kRowsPerTick = 500;
constexpr int kTickMs = 20;
constexpr int kMostListedUnreadable = 20;

QPushButton *button(const QString &text, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}
} // namespace

FindFilesWindow::FindFilesWindow(std::string computerFolder, QWidget *parent)
    : QWidget(parent, Qt::Window), m_computerFolder(std::move(computerFolder))
{
    setObjectName(QStringLiteral("frmFindFiles"));
    setWindowTitle(tr("Find Files"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    wire();
    new CloseOnEscape(this);
    updateActions();
    showStatus();
}

FindFilesWindow::~FindFilesWindow() = default;

void FindFilesWindow::buildControls()
{
    m_pattern = new QLineEdit(this);
    m_pattern->setObjectName(QStringLiteral("txtPattern"));
    m_pattern->setPlaceholderText(tr("report*.odt")); // one pattern: the field takes one
    m_pattern->setToolTip(tr("A name pattern: * any text, ? one character, [abc] one of them; case does not matter"));
    auto *patternLabel = new QLabel(tr("&Name:"), this);
    patternLabel->setBuddy(m_pattern);
    m_useFrom = new QCheckBox(tr("F&rom"), this);
    m_useTo = new QCheckBox(tr("&To"), this);
    m_from = new QDateEdit(QDate::currentDate().addMonths(-1), this);
    m_to = new QDateEdit(QDate::currentDate(), this);
    for (QDateEdit *d : {m_from, m_to}) {
        d->setCalendarPopup(true);
        d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        d->setEnabled(false);
    }
    m_useFrom->setObjectName(QStringLiteral("chkFrom"));
    m_useTo->setObjectName(QStringLiteral("chkTo"));
    m_from->setObjectName(QStringLiteral("dtFrom"));
    m_to->setObjectName(QStringLiteral("dtTo"));
    m_find = button(tr("&Find"), "cmdFind", this);
    m_cancel = button(tr("Cancel"), "cmdCancel", this);
    m_busy = new QProgressBar(this);
    m_busy->setRange(0, 0);
    m_busy->setTextVisible(false);
    m_busy->setMaximumHeight(m_busy->sizeHint().height() / 2 + 2);
    m_busy->setVisible(false);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_status->setTextFormat(Qt::PlainText);

    m_model = new FoundRowsModel(this);
    m_sorted = new QSortFilterProxyModel(this);
    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(kSortRole);
    m_sorted->setSortCaseSensitivity(Qt::CaseInsensitive);
    m_results = new QTreeView(this);
    m_results->setObjectName(QStringLiteral("lvResults"));
    m_results->setModel(m_sorted);
    m_results->setRootIsDecorated(false);
    m_results->setUniformRowHeights(true);
    m_results->setTextElideMode(Qt::ElideMiddle);
    m_results->setAllColumnsShowFocus(true);
    m_results->setSelectionMode(QAbstractItemView::SingleSelection);
    m_results->setContextMenuPolicy(Qt::CustomContextMenu);
    m_results->setSortingEnabled(true);
    m_results->sortByColumn(0, Qt::DescendingOrder);
    const int widths[] = {150, 110, 170, 230, 80, 140};
    for (int c = 0; c < 6; ++c)
        m_results->setColumnWidth(c, widths[c]);

    m_open = button(tr("&Open"), "cmdOpen", this);
    m_openFolder = button(tr("Open Fo&lder"), "cmdOpenFolder", this);
    m_versions = button(tr("&Versions..."), "cmdVersions", this);
    m_restore = button(tr("R&estore To..."), "cmdRestoreTo", this);
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("mnuResult"));
    m_menu->addAction(m_open->text(), this, &FindFilesWindow::openSelected);
    m_menu->addAction(m_openFolder->text(), this, &FindFilesWindow::openSelectedFolder);
    m_menu->addSeparator();
    m_menu->addAction(m_versions->text(), this, &FindFilesWindow::showVersions);
    m_restoreAction = m_menu->addAction(m_restore->text(), this, &FindFilesWindow::restoreSelected);

    auto *query = new QGridLayout;
    query->addWidget(patternLabel, 0, 0);
    query->addWidget(m_pattern, 0, 1, 1, 4);
    query->addWidget(m_find, 0, 5);
    query->addWidget(m_useFrom, 1, 0);
    query->addWidget(m_from, 1, 1);
    query->addWidget(m_useTo, 1, 2, Qt::AlignRight);
    query->addWidget(m_to, 1, 3);
    query->setColumnStretch(4, 1);
    query->addWidget(m_cancel, 1, 5);
    auto *actions = new QHBoxLayout;
    for (QPushButton *b : {m_open, m_openFolder, m_versions, m_restore})
        actions->addWidget(b);
    actions->addStretch(1);
    auto *all = new QVBoxLayout(this);
    all->addLayout(query);
    all->addWidget(m_busy);
    all->addWidget(m_results, 1);
    all->addWidget(m_status);
    all->addLayout(actions);
    setMinimumSize(640, 360);
    resize(920, 520);
}

void FindFilesWindow::wire()
{
    m_tick = new QTimer(this);
    m_tick->setInterval(kTickMs);
    connectTelling(m_tick, &QTimer::timeout, this, &FindFilesWindow::takeFound);
    connectTelling(m_find, &QPushButton::clicked, this, &FindFilesWindow::startSearch);
    connectTelling(m_pattern, &QLineEdit::returnPressed, this, &FindFilesWindow::startSearch);
    connectTelling(m_pattern, &QLineEdit::textChanged, this, &FindFilesWindow::updateActions);
    connectTelling(m_cancel, &QPushButton::clicked, this, &FindFilesWindow::cancelSearch);
    connect(m_useFrom, &QCheckBox::toggled, m_from, &QWidget::setEnabled);
    connect(m_useTo, &QCheckBox::toggled, m_to, &QWidget::setEnabled);
    connectTelling(m_results, &QTreeView::activated, this, &FindFilesWindow::openSelected);
    connectTelling(m_results, &QWidget::customContextMenuRequested, this, &FindFilesWindow::showMenu);
    connectTelling(m_results->selectionModel(), &QItemSelectionModel::currentChanged, this, &FindFilesWindow::updateActions);
    connectTelling(m_open, &QPushButton::clicked, this, &FindFilesWindow::openSelected);
    connectTelling(m_openFolder, &QPushButton::clicked, this, &FindFilesWindow::openSelectedFolder);
    connectTelling(m_versions, &QPushButton::clicked, this, &FindFilesWindow::showVersions);
    connectTelling(m_restore, &QPushButton::clicked, this, &FindFilesWindow::restoreSelected);
}

DateRange FindFilesWindow::chosenRange() const
{
    auto day = [](const QDate &d) { return ArchiveDate{d.year(), d.month(), d.day()}; };
    DateRange range;
    if (m_useFrom->isChecked())
        range.from = day(m_from->date());
    if (m_useTo->isChecked())
        range.to = day(m_to->date());
    return range;
}

void FindFilesWindow::startSearch()
{
    const std::string pattern = m_pattern->text().toStdString();
    if (pattern.empty() || m_feed)
        return;
    m_model->clear();
    m_unreadable.clear();
    m_unreadableCount = 0;
    m_ending.clear();
    m_feed = std::make_unique<SearchFeed>(m_computerFolder, pattern, chosenRange());
    m_busy->setVisible(true);
    m_tick->start();
    updateActions();
    showStatus();
}

void FindFilesWindow::cancelSearch()
{
    if (m_feed)
        m_feed->cancel();
}

void FindFilesWindow::takeFound()
{
    if (!m_feed)
        return;
    SearchFeed::Batch batch = m_feed->take(kRowsPerTick);
    m_model->append(std::move(batch.found));
    // Counted all, listed only as far as the tool tip shows them.
    for (const SearchFeed::Unreadable &u : batch.unreadable)
        if (++m_unreadableCount <= kMostListedUnreadable)
            m_unreadable << displayText(u.path + ": " + shownDescription(u.error));
    if (batch.finished)
        endSearch(batch.error);
    else
        showStatus();
}

void FindFilesWindow::endSearch(const std::optional<AutomationError> &error)
{
    m_tick->stop();
    m_feed.reset();
    m_busy->setVisible(false);
    if (error && error->number() == walk::UserInterrupt)
        m_ending = tr("Cancelled.");
    else if (error)
        m_ending = displayText(shownDescription(*error));
    updateActions();
    showStatus();
    emit searchFinished();
}

void FindFilesWindow::showStatus()
{
    const int found = m_model->rowCount();
    QString text = m_feed ? tr("Searching... %n found", nullptr, found) : tr("%n found", nullptr, found);
    if (m_unreadableCount == 1)
        text += tr("; 1 folder could not be read");
    else if (m_unreadableCount > 1)
        text += tr("; %1 folders could not be read").arg(m_unreadableCount);
    if (!m_ending.isEmpty())
        //: %1 is how far the search came, %2 how it ended
        text = tr("%1. %2").arg(text, m_ending);
    m_status->setText(text);
    m_status->setToolTip(plainToolTip(m_unreadable.join(QLatin1Char('\n'))));
}

void FindFilesWindow::updateActions()
{
    m_find->setEnabled(!m_feed && !m_pattern->text().isEmpty());
    m_cancel->setEnabled(m_feed != nullptr);
    const bool chosen = m_results->currentIndex().isValid();
    for (QPushButton *b : {m_open, m_openFolder, m_versions})
        b->setEnabled(chosen);
    m_restore->setEnabled(chosen && m_restoreTo);
    for (QAction *a : m_menu->actions())
        a->setEnabled(chosen);
    m_restoreAction->setEnabled(chosen && m_restoreTo);
}

void FindFilesWindow::setRestoreTo(RestoreTo hook)
{
    m_restoreTo = std::move(hook);
    updateActions();
}

} // namespace rnx10

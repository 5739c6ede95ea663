#include "backup_browser/ArchiveListView.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QListView>
#include <QMouseEvent>
#include <QTreeView>

namespace rnx10 {

ArchiveListView::ArchiveListView(QWidget *parent)
    : QStackedWidget(parent), m_icons(new QListView(this)), m_report(new QTreeView(this))
{
    m_icons->setObjectName(QStringLiteral("lvBodyIcons"));
    m_icons->setViewMode(QListView::IconMode);
    m_icons->setIconSize(QSize(32, 32));
    m_icons->setGridSize(QSize(96, 64));
    m_icons->setResizeMode(QListView::Adjust);
    m_icons->setMovement(QListView::Static);
    m_icons->setWordWrap(true);
    m_icons->setTextElideMode(Qt::ElideMiddle);
    m_report->setObjectName(QStringLiteral("lvBodyReport"));
    m_report->setRootIsDecorated(false);
    m_report->setItemsExpandable(false);
    m_report->setUniformRowHeights(true);
    m_report->setAllColumnsShowFocus(true);
    m_report->setIconSize(QSize(16, 16));
    for (QAbstractItemView *view : {static_cast<QAbstractItemView *>(m_icons), static_cast<QAbstractItemView *>(m_report)}) {
        view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        view->setSelectionMode(QAbstractItemView::SingleSelection);
        addWidget(view);
        watch(view);
    }
    setView(Icon);
}

void ArchiveListView::watch(QAbstractItemView *view)
{
    view->installEventFilter(this);
    view->viewport()->installEventFilter(this);
    connect(view, &QAbstractItemView::clicked, this, &ArchiveListView::itemClicked);
}

void ArchiveListView::setModel(QAbstractItemModel *model)
{
    m_icons->setModel(model);
    m_report->setModel(model);
    // One selection for both views, so a switch keeps the selected row.
    m_report->setSelectionModel(m_icons->selectionModel());
}

ArchiveListView::View ArchiveListView::view() const { return currentWidget() == m_report ? Report : Icon; }

void ArchiveListView::setView(View view)
{
    const bool hadFocus = currentView() && currentView()->hasFocus();
    setCurrentWidget(view == Report ? static_cast<QWidget *>(m_report) : m_icons);
    if (hadFocus)
        currentView()->setFocus();
}

QAbstractItemView *ArchiveListView::currentView() const { return qobject_cast<QAbstractItemView *>(currentWidget()); }

QModelIndex ArchiveListView::selectedRow() const
{
    if (!m_icons->selectionModel())
        return {};
    const QModelIndexList rows = m_icons->selectionModel()->selectedIndexes();
    return rows.isEmpty() ? QModelIndex() : rows.first().siblingAtColumn(0);
}

void ArchiveListView::selectRow(const QModelIndex &row) { currentView()->setCurrentIndex(row); }

bool ArchiveListView::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (watched == m_icons || watched == m_report)
            emit keyDown(static_cast<QKeyEvent *>(event)->key());
        break;
    case QEvent::MouseButtonPress:
        if (watched == m_icons->viewport() || watched == m_report->viewport()) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            const QModelIndex row = currentView()->indexAt(mouse->position().toPoint());
            emit mouseDown(mouse->button(), row, mouse->globalPosition().toPoint());
            if (mouse->button() == Qt::RightButton)
                return true;
        }
        break;
    case QEvent::MouseButtonDblClick:
        if (watched == m_icons->viewport() || watched == m_report->viewport()) {
            // The row under the pointer is the one opened, even when no press selected it first.
            QAbstractItemView *view = currentView();
            const QModelIndex at = view->indexAt(static_cast<QMouseEvent *>(event)->position().toPoint());
            if (at.isValid())
                view->setCurrentIndex(at);
            emit doubleClicked();
        }
        break;
    default:
        break;
    }
    return QStackedWidget::eventFilter(watched, event);
}

} // namespace rnx10

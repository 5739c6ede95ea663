#include "backup_browser/ArchiveListView.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QListView>
#include <QMouseEvent>
#include <QTreeView>

#include <algorithm>

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
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(model, signal, this, &ArchiveListView::fitColumns);
    connect(model, &QAbstractItemModel::modelReset, this, &ArchiveListView::fitColumns);
    connect(model, &QAbstractItemModel::dataChanged, this, &ArchiveListView::fitColumns);
}

ArchiveListView::View ArchiveListView::view() const { return currentWidget() == m_report ? Report : Icon; }

void ArchiveListView::setView(View view)
{
    const bool hadFocus = currentView() && currentView()->hasFocus();
    setCurrentWidget(view == Report ? static_cast<QWidget *>(m_report) : m_icons);
    fitColumns();
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

void ArchiveListView::setColumnWidths(const QList<int> &widths)
{
    m_columnWidths = widths;
    fitColumns();
}

void ArchiveListView::fitColumns()
{
    QAbstractItemModel *model = m_report->model();
    if (!model || currentWidget() != m_report)
        return;
    QHeaderView *header = m_report->header();
    const int columns = model->columnCount();
    // Each column wants its designed width, or more when its widest entry or header needs more.
    QList<int> designed, wanted;
    int designedTotal = 0, wantedTotal = 0;
    for (int column = 0; column < columns; ++column) {
        designed << m_columnWidths.value(column, header->defaultSectionSize());
        wanted << std::max({designed.back(), header->sectionSizeHint(column),
                            static_cast<QAbstractItemView *>(m_report)->sizeHintForColumn(column)});
        designedTotal += designed.back();
        wantedTotal += wanted.back();
    }
    // Up to the designed widths the list scrolls sideways; room beyond them goes to the columns
    // that want more, in proportion, until every value shows whole.
    const int room = m_report->viewport()->width();
    const int spare = std::clamp(room - designedTotal, 0, wantedTotal - designedTotal);
    for (int column = 0, given = 0, wantedSoFar = 0; column < columns; ++column) {
        wantedSoFar += wanted[column] - designed[column];
        const int share = wantedTotal == designedTotal ? 0 : spare * wantedSoFar / (wantedTotal - designedTotal) - given;
        given += share;
        header->resizeSection(column, designed[column] + share);
    }
}

void ArchiveListView::setBackground(Background background)
{
    m_background = std::move(background);
    applyBackground();
}

void ArchiveListView::applyBackground()
{
    if (!m_background)
        return;
    QWidget *viewport = m_icons->viewport();
    QPalette palette = viewport->palette();
    palette.setBrush(QPalette::Base, QBrush(m_background(this->palette(), viewport->devicePixelRatioF())));
    viewport->setPalette(palette);
}

bool ArchiveListView::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::PaletteChange:
    case QEvent::Show:
    case QEvent::ScreenChangeInternal:
        applyBackground();
        break;
    default:
        break;
    }
    return QStackedWidget::event(event);
}

void ArchiveListView::askForMenu(QAbstractItemView *view)
{
    const QModelIndex current = view->currentIndex();
    QPoint at(8, 8);
    if (current.isValid()) {
        view->scrollTo(current);
        at = view->visualRect(current).center();
    }
    emit menuKey(current.isValid() ? current.siblingAtColumn(0) : QModelIndex(), view->viewport()->mapToGlobal(at));
}

// The keyboard's ways to what the mouse does: Space clicks the current row, Enter or Return
// opens it as a double click does, and the menu key or Shift+F10 asks for the popup.
bool ArchiveListView::keyPressed(QAbstractItemView *view, const QKeyEvent *key)
{
    emit keyDown(key->key());
    const QModelIndex current = view->currentIndex();
    switch (key->key()) {
    case Qt::Key_Menu:
        askForMenu(view);
        return true;
    case Qt::Key_F10:
        if (!(key->modifiers() & Qt::ShiftModifier))
            return false;
        askForMenu(view);
        return true;
    case Qt::Key_Space:
        if (!current.isValid())
            return false;
        selectRow(current);
        emit itemClicked(current);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!current.isValid())
            return false;
        selectRow(current);
        emit doubleClicked();
        return true;
    default:
        return false;
    }
}

bool ArchiveListView::eventFilter(QObject *watched, QEvent *event)
{
    const bool isView = watched == m_icons || watched == m_report;
    const bool isViewport = watched == m_icons->viewport() || watched == m_report->viewport();
    switch (event->type()) {
    case QEvent::KeyPress:
        if (isView && keyPressed(static_cast<QAbstractItemView *>(watched), static_cast<QKeyEvent *>(event)))
            return true;
        break;
    case QEvent::ContextMenu:
        // Where the platform turns the menu key into a context menu request of its own.
        if ((isView || isViewport) && static_cast<QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Keyboard) {
            askForMenu(currentView());
            return true;
        }
        break;
    case QEvent::Resize:
        if (watched == m_report->viewport())
            fitColumns();
        break;
    case QEvent::MouseButtonPress:
        if (isViewport) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            const QModelIndex row = currentView()->indexAt(mouse->position().toPoint());
            emit mouseDown(mouse->button(), row, mouse->globalPosition().toPoint());
            if (mouse->button() == Qt::RightButton)
                return true;
        }
        break;
    case QEvent::MouseButtonDblClick:
        if (isViewport) {
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

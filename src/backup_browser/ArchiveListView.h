// The archive list: one model shown as large icons (view 0) or as a report (view 3).
#pragma once

#include <QList>
#include <QStackedWidget>

#include <functional>

class QAbstractItemModel;
class QAbstractItemView;
class QListView;
class QModelIndex;
class QTreeView;

namespace rnx10 {

class ArchiveListView : public QStackedWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ArchiveListView)

public:
    enum View { Icon = 0, Report = 3 };

    explicit ArchiveListView(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model);
    View view() const;
    void setView(View view);
    QListView *iconView() const { return m_icons; }
    QTreeView *reportView() const { return m_report; }
    QAbstractItemView *currentView() const;
    // The row selected in the list (shared by both views); invalid when none.
    QModelIndex selectedRow() const;
    // Makes row the selected and current one, as a click on it does.
    void selectRow(const QModelIndex &row);

    // Column widths of the report view at the designed size. A wider list gives its room to the
    // columns whose entries need more, until every entry shows whole; the last takes what is left.
    void setColumnWidths(const QList<int> &widths);
    // The icon view's background: one tile, made for the list's palette and device pixel ratio
    // now and again whenever either changes.
    using Background = std::function<QPixmap(const QPalette &palette, qreal devicePixelRatio)>;
    void setBackground(Background background);

signals:
    void itemClicked(const QModelIndex &index);
    void doubleClicked();
    void keyDown(int key);
    // A press of button at globalPos, over row (invalid over empty space). The view itself does
    // nothing with a right press: what it selects is the receiver's choice.
    void mouseDown(Qt::MouseButton button, const QModelIndex &row, const QPoint &globalPos);
    // The menu key or Shift+F10 in the list: the popup is asked for at the current row (invalid
    // when there is none), whose centre (or the list's corner) is at globalPos.
    void menuKey(const QModelIndex &current, const QPoint &globalPos);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool event(QEvent *event) override;

private:
    void watch(QAbstractItemView *view);
    bool keyPressed(QAbstractItemView *view, const QKeyEvent *key);
    void askForMenu(QAbstractItemView *view);
    void fitColumns();
    void applyBackground();

    QListView *m_icons;
    QTreeView *m_report;
    QList<int> m_columnWidths;
    Background m_background;
};

} // namespace rnx10

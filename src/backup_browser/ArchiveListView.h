// The archive list: one model shown as large icons (view 0) or as a report (view 3).
#pragma once

#include <QStackedWidget>

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

signals:
    void itemClicked(const QModelIndex &index);
    void doubleClicked();
    void keyDown(int key);
    // A press of button at globalPos, over row (invalid over empty space). The view itself does
    // nothing with a right press: what it selects is the receiver's choice.
    void mouseDown(Qt::MouseButton button, const QModelIndex &row, const QPoint &globalPos);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watch(QAbstractItemView *view);

    QListView *m_icons;
    QTreeView *m_report;
};

} // namespace rnx10

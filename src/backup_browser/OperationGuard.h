// One browser operation at a time. The report lets window events run between folders, so while
// an operation runs a second one is refused and a request to close the window waits for its end.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace rnx10 {

class OperationGuard : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OperationGuard)

public:
    explicit OperationGuard(QWidget *window);
    // Ends the operation; a close asked for meanwhile is carried out now, after it.
    ~OperationGuard() override;

    // False when another operation of the window was already running: do nothing then.
    bool acquired() const { return m_acquired; }

    // True also while a job of the window runs (a scan's size walk, for one).
    static bool isRunning(const QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_window;
    bool m_acquired = false;
    bool m_closeWanted = false;
};

} // namespace rnx10

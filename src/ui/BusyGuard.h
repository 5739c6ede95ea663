// Marks a window busy while an operation or a job of it runs: its commands refuse to start, and
// a request to close it waits for the end. While a job runs, the commands of every window refuse.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace rnx10 {

class BusyGuard : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BusyGuard)

public:
    enum class Kind {
        Operation, // a command: refused (not acquired) while the window is busy
        Job,       // a job inside a command: always taken, nested in the command's guard
    };

    explicit BusyGuard(QWidget *window, Kind kind = Kind::Operation);
    // Ends the busy time; a close asked for meanwhile is carried out now, after it.
    ~BusyGuard() override;

    // False when an operation was refused because the window was already busy: do nothing then.
    bool acquired() const { return m_acquired; }

    // True while any guard holds the window, or a job of any window runs: then no command starts.
    static bool isRunning(const QWidget *window);
    // True while a job runs, of this window or any other (an operation may still work on its
    // window between its jobs).
    static bool jobRunning(const QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_window;
    Kind m_kind;
    bool m_acquired = false;
    bool m_closeWanted = false;
};

} // namespace rnx10

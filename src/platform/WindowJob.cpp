#include "platform/WindowJob.h"

#include <QEvent>
#include <QMetaObject>
#include <QPointer>
#include <QVariant>
#include <QWidget>

namespace rnx10 {

namespace {

constexpr const char *kJobRunning = "rnx10JobRunning";

// Marks the window busy for its life and holds back a close until then: the job's caller
// still works on the window after the job.
class BusyWindow : public QObject {
public:
    explicit BusyWindow(QWidget *window) : m_window(window), m_wasRunning(WindowJob::isRunning(window))
    {
        if (!window)
            return;
        window->setProperty(kJobRunning, true);
        window->installEventFilter(this);
    }
    ~BusyWindow() override
    {
        if (!m_window)
            return;
        m_window->removeEventFilter(this);
        m_window->setProperty(kJobRunning, m_wasRunning);
        if (m_closeWanted)
            QMetaObject::invokeMethod(m_window.data(), &QWidget::close, Qt::QueuedConnection);
    }
    BusyWindow(const BusyWindow &) = delete;
    BusyWindow &operator=(const BusyWindow &) = delete;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_window || event->type() != QEvent::Close)
            return false;
        m_closeWanted = true;
        event->ignore();
        return true;
    }

private:
    QPointer<QWidget> m_window;
    bool m_wasRunning;
    bool m_closeWanted = false;
};

} // namespace

void WindowJob::run(QWidget *window, const ProgressRunner::Task &task, const ProgressRunner::Job &job)
{
    BusyWindow busy(window);
    ProgressRunner(window).run(task, job);
}

bool WindowJob::isRunning(const QWidget *window) { return window && window->property(kJobRunning).toBool(); }

} // namespace rnx10

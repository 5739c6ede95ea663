#include "backup_browser/OperationGuard.h"

#include "platform/WindowJob.h"

#include <QEvent>
#include <QMetaObject>

namespace rnx10 {

namespace {
constexpr const char *kRunning = "rnx10OperationRunning";
}

OperationGuard::OperationGuard(QWidget *window) : m_window(window)
{
    if (!window || isRunning(window))
        return;
    m_acquired = true;
    window->setProperty(kRunning, true);
    window->installEventFilter(this);
}

OperationGuard::~OperationGuard()
{
    if (!m_acquired || !m_window)
        return;
    m_window->removeEventFilter(this);
    m_window->setProperty(kRunning, false);
    if (m_closeWanted)
        QMetaObject::invokeMethod(m_window.data(), &QWidget::close, Qt::QueuedConnection);
}

bool OperationGuard::isRunning(const QWidget *window)
{
    return window && (window->property(kRunning).toBool() || WindowJob::isRunning(window));
}

bool OperationGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Close) {
        m_closeWanted = true;
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace rnx10

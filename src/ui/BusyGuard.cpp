#include "ui/BusyGuard.h"

#include <QEvent>
#include <QMetaObject>
#include <QVariant>

#include <atomic>

namespace rnx10 {

namespace {
// How many guards of each kind hold the window now.
const char *holders(BusyGuard::Kind kind)
{
    return kind == BusyGuard::Kind::Operation ? "rnx10BusyOperations" : "rnx10BusyJobs";
}

int holding(const QWidget *window, BusyGuard::Kind kind)
{
    return window ? window->property(holders(kind)).toInt() : 0;
}

// Jobs of all windows; windows live on the application's thread only.
std::atomic<int> g_jobs{0};

void addHolders(QWidget *window, BusyGuard::Kind kind, int delta)
{
    window->setProperty(holders(kind), holding(window, kind) + delta);
}
} // namespace

BusyGuard::BusyGuard(QWidget *window, Kind kind) : m_window(window), m_kind(kind)
{
    if (!window || (kind == Kind::Operation && isRunning(window)))
        return;
    m_acquired = true;
    addHolders(window, kind, 1);
    if (kind == Kind::Job)
        ++g_jobs;
    window->installEventFilter(this);
}

BusyGuard::~BusyGuard()
{
    if (m_acquired && m_kind == Kind::Job)
        --g_jobs; // counted also when the window is gone
    if (!m_acquired || !m_window)
        return;
    m_window->removeEventFilter(this);
    addHolders(m_window, m_kind, -1);
    if (m_closeWanted)
        QMetaObject::invokeMethod(m_window.data(), &QWidget::close, Qt::QueuedConnection);
}

bool BusyGuard::isRunning(const QWidget *window) { return holding(window, Kind::Operation) > 0 || jobRunning(window); }

bool BusyGuard::jobRunning(const QWidget *window) { return holding(window, Kind::Job) > 0 || g_jobs > 0; }

bool BusyGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Close) {
        m_closeWanted = true;
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace rnx10

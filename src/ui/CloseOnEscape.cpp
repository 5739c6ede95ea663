#include "ui/CloseOnEscape.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace rnx10 {

CloseOnEscape::CloseOnEscape(QWidget *window) : QObject(window), m_window(window)
{
    // Application-wide, so a control created later (a popup's entry, a new row) is covered too.
    qApp->installEventFilter(this);
}

bool CloseOnEscape::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent *>(event)->key() != Qt::Key_Escape ||
        !watched->isWidgetType() || static_cast<QWidget *>(watched)->window() != m_window)
        return false;
    m_window->close();
    return true;
}

} // namespace rnx10

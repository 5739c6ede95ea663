#include "platform/MousePointer.h"

#include "platform/Application.h"

#include <QApplication>
#include <QCursor>

namespace rnx10 {

namespace {
MousePointer g_pointer = MousePointer::Arrow;
}

void setMousePointer(MousePointer pointer)
{
    g_pointer = pointer;
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()) || !onApplicationThread())
        return;
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    QApplication::setOverrideCursor(pointer == MousePointer::Busy ? Qt::BusyCursor : Qt::ArrowCursor);
}

MousePointer currentMousePointer() { return g_pointer; }

} // namespace rnx10

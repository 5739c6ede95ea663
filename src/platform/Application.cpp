#include "platform/Application.h"

#include <QApplication>
#include <QWidget>

namespace rnx10 {

QApplication *ensureApplication()
{
    if (auto *app = qobject_cast<QApplication *>(QCoreApplication::instance()))
        return app;
    static int argc = 1;
    static char name[] = "rnx10";
    static char *argv[] = {name, nullptr};
    return new QApplication(argc, argv);
}

int runUntilWindowsClosed()
{
    QApplication *app = ensureApplication();
    bool anyVisible = false;
    for (QWidget *w : QApplication::topLevelWidgets())
        anyVisible = anyVisible || w->isVisible();
    if (!anyVisible)
        return 0;
    app->setQuitOnLastWindowClosed(true);
    return app->exec();
}

} // namespace rnx10

#include "commands/CommandWindows.h"

#include "commands/frmRegistryA.h"
#include "commands/frmupdatesA.h"
#include "platform/Application.h"

#include <QPointer>

namespace rnx10 {

void showUpdatesNotice()
{
    ensureApplication();
    frmupdatesA window;
    window.exec();
}

frmRegistryA &registryNavigatorForm()
{
    // Kept for the thread's life like the other per-thread windows; never given an owner.
    thread_local QPointer<frmRegistryA> form;
    if (!form) {
        ensureApplication();
        form = new frmRegistryA;
    }
    return *form;
}

void showRegistryNavigator()
{
    frmRegistryA &form = registryNavigatorForm();
    form.Form_Load();
    form.exec();
}

} // namespace rnx10

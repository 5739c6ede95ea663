#include "DesktopWindows.h"

#include "SupportCenterWindow.h"
#include "commands/frmRegistryA.h"
#include "commands/frmupdatesA.h"
#include "maintenance/frmMaintainceA.h"
#include "platform/CommandRunner.h"
#include "schedule/frmBackUpScheduleA.h"
#include "services/EnvironmentDialog.h"
#include "services/ProgIds.h"
#include "services/ScheduledTaskService.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTest>

#include <pwd.h>
#include <unistd.h>

namespace rnx10::test {

namespace {
// crontab and at holding two repeating jobs and one queued once.
class SchedulerWithJobs : public CommandRunner {
public:
    CommandResult run(const std::string &program, const std::vector<std::string> &arguments,
                      const std::string &) override
    {
        const passwd *user = ::getpwuid(::geteuid());
        if (program == "crontab")
            return {0,
                    "MAILTO=\"\"\n0 22 * * * '/opt/zorvane/1.0/Sys/regbak.exe' # rnx10 job: regbak\n"
                    "0 22 * * * '/opt/zorvane/1.0/Sys/shellbak.exe' # rnx10 job: shellbak\n",
                    ""};
        if (program == "atq")
            return {0, std::string("3\tFri Dec 11 22:00:00 2026 a ") + (user ? user->pw_name : "") + "\n", ""};
        if (program == "at" && arguments == std::vector<std::string>{"-c", "3"})
            return {0, "#!/bin/sh\n'/opt/zorvane/1.0/Sys/regbak.exe' # rnx10 job: regbak\n", ""};
        return {1, "", "not here\n"};
    }
};
} // namespace

const std::vector<DesktopWindow> &desktopWindows()
{
    static const std::vector<DesktopWindow> windows = {
        {"frmMaintainceA", [] { return std::make_unique<frmMaintainceA>(); }},
        {"frmBackUpScheduleA", [] { return std::make_unique<frmBackUpScheduleA>(); }},
        {"frmRegistryA",
         [] {
             auto form = std::make_unique<frmRegistryA>();
             form->Form_Load();
             return form;
         }},
        {"frmupdatesA", [] { return std::make_unique<frmupdatesA>(); }},
        {"frmDebuggerOptions", [] { return std::make_unique<EnvironmentDialog>(); }},
        {"frmSupportCenter", [] { return std::make_unique<SupportCenterWindow>(); }},
    };
    return windows;
}

std::unique_ptr<QWidget> makeWindow(const std::string &name)
{
    for (const DesktopWindow &window : desktopWindows())
        if (window.name == name)
            return window.make();
    ADD_FAILURE() << "no window " << name;
    return std::make_unique<QWidget>();
}

void showActive(QWidget &window)
{
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window)) << window.objectName().toStdString();
}

DesktopFixture::DesktopFixture()
    : scheduler(progid::ScheduledTasks, [] {
          return std::static_pointer_cast<void>(std::make_shared<ScheduledTaskService>(
              std::make_shared<SchedulerWithJobs>(), [] { return std::time_t{1796871600}; }));
      })
{
    // The look the desktop themes build on; the same on every machine.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

DesktopFixture::~DesktopFixture() = default;

} // namespace rnx10::test

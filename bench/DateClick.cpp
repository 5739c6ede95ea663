#include "DateClick.h"

#include "EventLoopPause.h"

#include "backup_browser/frmBackUpRestoreA.h"
#include "backup_browser/LockerSize.h"

#include <QCalendarWidget>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <memory>

namespace rnx10::bench {

ClickResult dateClicks(const Store &store, int runs)
{
    ClickResult result;
    const QDate date(store.year, store.month, store.day);
    for (int run = 0; run < runs; ++run) {
        // Closed windows delete themselves; this one is deleted here.
        std::unique_ptr<frmBackUpRestoreA> window(new frmBackUpRestoreA);
        window->setAttribute(Qt::WA_DeleteOnClose, false);
        window->SetMe();
        auto *calendar = window->findChild<QCalendarWidget *>(QStringLiteral("MonthView1"));
        QEventLoop loop;
        PauseWatch watch([&] {
            auto *size = window->findChild<LockerSize *>();
            if (size && !size->running())
                loop.quit();
        });
        QTimer::singleShot(20, [&] {
            QElapsedTimer click;
            click.start();
            calendar->setSelectedDate(date); // what a click on the day runs
            result.seconds.push_back(click.nsecsElapsed() / 1e9);
        });
        loop.exec();
        result.longestPauseMs = std::max(result.longestPauseMs, watch.longestPauseMs());
        result.dialogShown = result.dialogShown || watch.dialogShown();
    }
    return result;
}

BusyLoad::BusyLoad(int processes)
{
    const pid_t parent = ::getpid();
    for (int i = 0; i < processes; ++i) {
        pid_t pid = ::fork();
        if (pid == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGKILL);
            if (::getppid() != parent)
                ::_exit(0);
            volatile unsigned long spin = 0;
            for (;;)
                spin = spin + 1;
        }
        if (pid > 0)
            m_pids.push_back(pid);
    }
}

BusyLoad::~BusyLoad()
{
    for (pid_t pid : m_pids)
        ::kill(pid, SIGKILL);
    for (pid_t pid : m_pids)
        ::waitpid(pid, nullptr, 0);
}

} // namespace rnx10::bench

#include "ThinWindowPause.h"

#include "EventLoopPause.h"

#include "thinning/frmThinArchives.h"

#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QLabel>
#include <QSpinBox>

#include <sys/stat.h>

#include <cstdio>
#include <fstream>

namespace rnx10::bench {

namespace {

void folder(const std::string &path) { ::mkdir(path.c_str(), 0755); }

// runs hour folders, four a day back from 2026-12-31, each one archive of files files.
std::string buildRuns(const std::string &scratch, int runs, int files)
{
    const std::string computer = scratch + "/thin-store/PC01";
    folder(scratch + "/thin-store");
    folder(computer);
    for (int i = 0; i < runs; ++i) {
        const QDate day = QDate(2026, 12, 31).addDays(-i / 4);
        std::string path = computer + "/" + std::to_string(day.year());
        folder(path);
        path += "/" + std::to_string(day.month());
        folder(path);
        path += "/" + std::to_string(day.day());
        folder(path);
        char hour[8];
        std::snprintf(hour, sizeof hour, "%02d-00", 5 + 6 * (i % 4));
        path += std::string("/") + hour;
        folder(path);
        folder(path + "/archive");
        std::ofstream(path + "/archive/details.ini") << "[DETAILS]\nSourceDir=/home/ann/Documents\n";
        for (int f = 1; f < files; ++f)
            std::ofstream(path + "/archive/f" + std::to_string(f)) << std::string(512, 'x');
    }
    return computer;
}

// Turns the event loop until done says so (or a minute has passed).
template <typename Done> void waitFor(Done done)
{
    QElapsedTimer limit;
    limit.start();
    while (!done() && limit.elapsed() < 60000)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
}

} // namespace

Row thinWindowPauseRow(const std::string &scratch, int runs, int files)
{
    const std::string computer = buildRuns(scratch, runs, files);
    QElapsedTimer opening;
    opening.start();
    frmThinArchives window(nullptr, computer, QDateTime(QDate(2027, 6, 1), QTime(12, 0)));
    window.show();
    const double openedMs = opening.nsecsElapsed() / 1e6;
    auto *total = window.findChild<QLabel *>(QStringLiteral("lblTotal"));
    const auto allSized = [&] { return !total->text().contains(QStringLiteral("so far")); };
    // As a person types: one number at a time, the window answering in between.
    PauseWatch watch;
    const auto set = [&](const char *name, int value) {
        window.findChild<QSpinBox *>(QString::fromLatin1(name))->setValue(value);
        QApplication::processEvents();
    };
    for (const char *name : {"spnWithin", "spnDaily", "spnWeekly", "spnMonthly"})
        set(name, 0);
    set("spnYearly", 1);
    waitFor(allSized);
    set("spnMonthly", 3);
    waitFor(allSized);
    Row row = alone("longest event-loop pause, Thin Old Archives on " + std::to_string(runs) + " runs of " +
                        std::to_string(files) + " files",
                    watch.longestPauseMs(), "ms", 50);
    char opened[64];
    std::snprintf(opened, sizeof opened, "; opening the window (the store read once): %.0f ms", openedMs);
    row.note = "numbers changed one at a time, every size arrived; " + total->text().toStdString() + opened;
    return row;
}

} // namespace rnx10::bench

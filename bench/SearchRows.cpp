#include "SearchRows.h"

#include "EventLoopPause.h"
#include "SideBySide.h"
#include "ToolRun.h"

#include "recovery/FindFilesWindow.h"
#include "platform/walk/FolderWalk.h"
#include "store/ArchiveSearch.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

#include <algorithm>
#include <stdexcept>

namespace rnx10::bench {

namespace {

// Every archive of the synthetic store holds one file of this name, in another case.
constexpr const char *kPattern = "FILE-7.DAT";

std::uint64_t searchAll(const Store &store)
{
    std::uint64_t found = 0;
    SearchReceiver receiver;
    receiver.found = [&](const FoundEntry &) { ++found; };
    searchArchives(store.computer, kPattern, {}, receiver);
    return found;
}

struct WindowRun {
    double firstRowSeconds = 0;
    double longestPauseMs = 0;
};

// One search in a fresh window: Find clicked, the events turned until the search has ended.
WindowRun windowSearch(const Store &store)
{
    FindFilesWindow window(store.computer);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.show();
    QApplication::processEvents();
    window.findChild<QLineEdit *>(QStringLiteral("txtPattern"))->setText(QString::fromLatin1(kPattern));
    const QAbstractItemModel *rows = window.findChild<QTreeView *>(QStringLiteral("lvResults"))->model();
    WindowRun run;
    double start = 0;
    PauseWatch watch([&] {
        if (run.firstRowSeconds == 0 && rows->rowCount() > 0)
            run.firstRowSeconds = watch.seconds() - start;
    });
    start = watch.seconds();
    window.findChild<QPushButton *>(QStringLiteral("cmdFind"))->click();
    while (window.searching())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    if (rows->rowCount() == 0)
        throw std::runtime_error("the Find Files window found nothing");
    run.longestPauseMs = watch.longestPauseMs();
    return run;
}


std::uint64_t searchRow(const Store &store, const std::string &name, int runs, Results &results)
{
    std::uint64_t found = 0;
    Timing t = sideBySide({[&] { found = searchAll(store); }},
                          {[&] { runTool({"find", store.root, "-iname", kPattern}); }}, runs, store.root.c_str());
    Row search = compared(name, std::string("find ROOT -iname ") + kPattern, t.ours, t.tool, 0.5);
    search.note = std::to_string(found) + " matches, newest archive first; find walks the same tree unordered";
    results.rows.push_back(search);
    return found;
}

} // namespace

void manyArchivesSearchRow(const std::string &scratch, int runs, Results &results)
{
    StoreShape shape;
    shape.firstYear = 2023;
    shape.years = 2;
    shape.archivesPerHour = 1;
    shape.filesPerArchive = 10;
    shape.files = 9ull * 24 * (365 + 366); // every hour of 2023 and 2024: details.ini and 8 data files each
    const Store store = buildStore(scratch + "/many-archives", shape);
    searchRow(store, "archive search by name, " + std::to_string(store.files / 9) + " archives of 10 files", runs,
              results);
    walk::removeTree(store.root, true);
}

void searchRows(const Store &store, int runs, Results &results)
{
    searchRow(store, "archive search by name (every archive's copy)", runs, results);

    std::vector<double> first, pauses;
    for (int i = 0; i < std::max(runs, 3); ++i) {
        const WindowRun run = windowSearch(store);
        first.push_back(run.firstRowSeconds);
        pauses.push_back(run.longestPauseMs);
    }
    Row firstRow = alone("Find Files: first result shown, newest hour holding a match", median(first) * 1000, "ms", 200);
    firstRow.note = "median of " + std::to_string(first.size()) + " searches, each in a fresh window";
    results.rows.push_back(firstRow);
    Row pause = alone("longest event-loop pause during a Find Files search of the whole store",
                      *std::max_element(pauses.begin(), pauses.end()), "ms", 50);
    pause.note = "5 ms timer on the window thread, worst of the runs";
    results.rows.push_back(pause);
}

} // namespace rnx10::bench

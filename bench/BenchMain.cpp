// rnx10-bench: the library's file-system walks against the standard tools, side by side.
#include "BenchOptions.h"
#include "BrowserWork.h"
#include "CompareRow.h"
#include "DateClick.h"
#include "EventLoopPause.h"
#include "ResultTable.h"
#include "SearchRows.h"
#include "SideBySide.h"
#include "SyntheticStore.h"
#include "SyscallCount.h"
#include "ThinPreview.h"
#include "ThinWindowPause.h"
#include "ToolRun.h"

#include "automation/AutomationError.h"
#include "store/FolderRestore.h"
#include "store/StoreReport.h"
#include "platform/FileSystemObject.h"
#include "platform/walk/FolderWalk.h"

#include <QApplication>

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <cstdlib>
#include <iostream>
#include <algorithm>
#include <memory>
#include <optional>
#include <stdexcept>

using namespace rnx10;
using namespace rnx10::bench;

namespace {

void say(const std::string &text) { std::fprintf(stderr, "rnx10-bench: %s\n", text.c_str()); }

std::string scratchFolder(const std::string &dir)
{
    std::string base = !dir.empty() ? dir : std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp";
    std::string pattern = base + "/rnx10-bench-XXXXXX";
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a scratch folder in " + base);
    return pattern;
}

void removeIfThere(const std::string &path)
{
    if (FileSystemObject().folderExists(path))
        walk::removeTree(path, true);
}

void checked(const ToolResult &r, const std::string &tool)
{
    if (r.status != 0)
        throw std::runtime_error(tool + " failed");
}

// The first number of du's output.
unsigned long long duTotal(const std::string &folder)
{
    return std::strtoull(toolOutput({"du", "-s", "--apparent-size", "-B1", folder}).c_str(), nullptr, 10);
}

Row sizeRow(const Store &store, int runs, Results &results)
{
    FileSystemObject fso;
    Timing t = sideBySide({[&] { fso.folderSize(store.root); }},
                          {[&] { checked(runTool({"du", "-s", "--apparent-size", "-B1", store.root}), "du"); }}, runs,
                          store.root.c_str());
    unsigned long long ours = fso.folderSize(store.root), du = duTotal(store.root);
    results.notes.push_back("Totals: ours " + std::to_string(ours) + " bytes (regular files' logical bytes only); du " +
                            std::to_string(du) + " bytes: du also counts every folder's own size and each link's " +
                            "length (" + std::to_string(du - ours) + " bytes more here, " +
                            std::to_string(store.folders) + " folders, " + std::to_string(store.links) + " links).");
    return compared("folder size (store root)", "du -s --apparent-size -B1", t.ours, t.tool, 0.4);
}

Row reportRow(const Store &store, const std::string &scratch, int runs)
{
    std::string ours = scratch + "/report.txt", tool = scratch + "/find.txt";
    Timing t = sideBySide({[&] { writeReport(store, ours); }},
                          {[&] { checked(runTool({"find", store.root, "-mindepth", "1", "-type", "d"}, tool), "find"); }},
                          runs, store.root.c_str());
    return compared("report walk (every folder, parents first, to a file)", "find ROOT -mindepth 1 -type d > FILE",
                    t.ours, t.tool, 0.5);
}

// Each run's copy is set aside and all are removed after the row. Removed right away, they would
// make the next run's file creation pay for them: ext4 without a journal passes over every inode
// freed in the last minutes before it hands one out again (cp -a took 1 s or 11 s here, by that
// alone).
Row copyRow(const Store &store, const std::string &scratch, int runs)
{
    std::string ours = scratch + "/copy-ours", tool = scratch + "/copy-cp", spent = scratch + "/spent";
    FileSystemObject().createFolder(spent);
    int made = 0;
    auto setAside = [&](const std::string &copy) {
        if (::rename(copy.c_str(), (spent + "/" + std::to_string(++made)).c_str()) != 0)
            throw std::runtime_error("cannot move " + copy + " aside");
    };
    Timing t = sideBySide({[&] { FileSystemObject().copyFolder(store.root, ours, true); }, {}, [&] { setAside(ours); }},
                          {[&] { checked(runTool({"cp", "-a", store.root, tool}), "cp"); }, {}, [&] { setAside(tool); }},
                          runs, store.root.c_str());
    removeIfThere(spent);
    return compared("restore's copy (whole store)", "cp -a", t.ours, t.tool, 0.6);
}

Row deleteRow(const Store &store, const std::string &scratch, int runs)
{
    std::string victim = scratch + "/victim";
    auto prepare = [&] { walk::copyTree(store.root, victim, false); };
    Timing t = sideBySide({[&] { FileSystemObject().deleteFolder(victim, true); }, prepare},
                          {[&] { checked(runTool({"rm", "-rf", victim}), "rm"); }, prepare}, runs, store.root.c_str());
    return compared("forced delete (copy of the store)", "rm -rf", t.ours, t.tool, 0.5);
}

Row scanRow(const Store &store, int runs)
{
    Timing t = sideBySide({[&] { scanDay(store); }},
                          {[&] { checked(runTool({"du", "-s", "--apparent-size", "-B1", store.computer}), "du"); }}, runs,
                          store.root.c_str());
    Row row = compared("browser scan of one day (computer folder's size included)", "du -s --apparent-size -B1 COMPUTER",
                       t.ours, t.tool);
    row.note = "reference only: du does the scan's dominant work, the computer folder's size";
    return row;
}

Row fillRow(const Store &store, int runs)
{
    Timing t = sideBySide({[&] { fillHour(store); }}, {[] {}}, runs, store.root.c_str());
    Row row = alone("archive-list fill of one hour (two size walks, 5 details reads a row)", t.ours, "s");
    row.note = "no standard tool does this";
    return row;
}

// Peak resident memory of a process that only measures the store (this program, --size-only).
Row memoryRow(const Store &store, const std::string &self)
{
    long ours = 0, du = 0;
    std::sscanf(toolOutput({self, "--size-only", store.root}).c_str(), "%*s %ld", &ours);
    // GNU time forks (a spawned child would inherit this process's peak) and prints du's peak.
    std::string timed = toolOutput({"sh", "-c", "/usr/bin/time -f %M du -s --apparent-size -B1 \"$0\" 2>&1 >/dev/null",
                                    store.root});
    std::sscanf(timed.c_str(), "%ld", &du);
    Row row = alone("peak resident memory, size walk of " + std::to_string(store.files) + " files", ours / 1024.0, "MB", 64);
    char note[64] = "";
    if (du > 0)
        std::snprintf(note, sizeof note, "du's peak for the same walk: %.1f MB", du / 1024.0);
    row.note = note;
    return row;
}

// The date click on the large store against the same click on a small one: the click lists the
// day's folders only, so its time must not grow with the store. And the window thread's longest
// pause from the click until the computer folder's size, walked in the background, has arrived.
void clickRows(const Store &store, const std::string &scratch, int runs, Results &results)
{
    constexpr std::uint64_t kSmallFiles = 10000;
    Store small = buildStore(scratch + "/small-store", StoreShape{kSmallFiles});
    walk::treeSize(small.root);
    // Clicks are cheap: a few more than the other rows' runs. The first window of the process pays
    // for loading styles and fonts, so an untimed click comes first.
    runs = std::max(runs, 5);
    ClickResult large, little;
    {
        BrowserSetting setting(small, scratch + "/locker");
        dateClicks(small, 1);
        little = dateClicks(small, runs);
    }
    {
        BrowserSetting setting(store, scratch + "/locker");
        large = dateClicks(store, runs);
    }
    removeIfThere(small.root);
    Row ratio = compared("date click (day, month, year and hour folders listed), store of " + std::to_string(store.files) +
                             " files",
                         "same click, store of " + std::to_string(small.files) + " files", large.seconds,
                         little.seconds, 1.5);
    ratio.note = "median of " + std::to_string(runs) +
                 " clicks, each in a fresh window; the computer folder's size follows on a worker";
    results.rows.push_back(ratio);
    Row pause = alone("longest event-loop pause, date click until the size has arrived", large.longestPauseMs, "ms", 50);
    pause.note = std::string("5 ms timer on the window thread, worst of the runs; progress dialog ") +
                 (large.dialogShown ? "shown" : "not shown");
    results.rows.push_back(pause);
}

// System calls per regular file of each walk and of its tool, each a whole process under strace:
// the walks spend their time in the kernel, so the count shows what each file costs.
void syscallRows(const Store &store, const std::string &scratch, const BenchOptions &o, const std::string &self,
                 Results &results)
{
    if (!toolAvailable("strace")) {
        results.notes.push_back("System calls not counted: strace is not on PATH.");
        return;
    }
    const double files = static_cast<double>(store.files);
    auto row = [&](const std::string &what, const std::vector<std::string> &ourArgs,
                   const std::vector<std::string> &toolArgs, const std::string &toolName,
                   const std::string &toolOut = "/dev/null") {
        std::vector<std::string> argv{self, "--walk"};
        argv.insert(argv.end(), ourArgs.begin(), ourArgs.end());
        std::optional<SyscallCount> ours = countSyscalls(argv), tool = countSyscalls(toolArgs, toolOut);
        if (!ours || !tool) {
            results.notes.push_back("System calls of the " + what + " not counted: a traced run failed.");
            return;
        }
        Row r = compared("system calls per file, " + what, toolName, ours->total / files, tool->total / files);
        r.unit = "calls";
        r.note = "ours: " + perFile(*ours, files) + "; " + toolName + ": " + perFile(*tool, files) +
                 " (whole processes, start-up included)";
        results.rows.push_back(r);
    };
    row("folder size", {"size", store.root}, {"du", "-s", "--apparent-size", "-B1", store.root}, "du");
    row("report walk", {"report", store.root, scratch + "/report.txt"}, {"find", store.root, "-mindepth", "1", "-type", "d"},
        "find", scratch + "/find.txt");
    if (o.skipWrites)
        return;
    std::string ours = scratch + "/traced-ours", tool = scratch + "/traced-cp";
    row("copy", {"copy", store.root, ours}, {"cp", "-a", store.root, tool}, "cp -a");
    row("forced delete", {"delete", ours}, {"rm", "-rf", tool}, "rm -rf");
    removeIfThere(ours);
    removeIfThere(tool);
}

// A restore of the computer folder's copy into a folder outside the store, on ProgressRunner's worker.
Row pauseRow(const Store &store, const std::string &scratch, int load)
{
    std::string target = scratch + "/restored";
    FileSystemObject fso;
    PauseResult p = measureEventLoopPause([&](walk::WalkProgress &) { restoreFolder(fso, store.computer, target, store.root); });
    removeIfThere(target);
    char what[96];
    std::snprintf(what, sizeof what, "longest event-loop pause during a %.1f s restore, %d busy processes", p.seconds,
                  load);
    Row row = alone(what, p.longestPauseMs, "ms", 50);
    row.note = std::string("5 ms timer on the window thread; progress dialog ") + (p.dialogShown ? "shown" : "not shown");
    return row;
}

// The peak of this process's own memory: VmHWM, unlike getrusage after a spawn, leaves out the
// parent's memory that the spawned child shared before it started this program.
long peakKilobytes()
{
    std::FILE *status = std::fopen("/proc/self/status", "r");
    char line[256];
    long kb = 0;
    while (status && std::fgets(line, sizeof line, status))
        if (std::sscanf(line, "VmHWM: %ld", &kb) == 1)
            break;
    if (status)
        std::fclose(status);
    if (kb == 0) {
        struct rusage usage{};
        ::getrusage(RUSAGE_SELF, &usage);
        kb = usage.ru_maxrss;
    }
    return kb;
}

int sizeOnly(const std::string &path)
{
    unsigned long long size = FileSystemObject().folderSize(path);
    std::printf("%llu %ld\n", size, peakKilobytes());
    return 0;
}

// One walk alone, for counting its system calls: size, report, copy or delete.
int walkOnly(const std::vector<std::string> &w)
{
    FileSystemObject fso;
    try {
        if (w[0] == "size")
            fso.folderSize(w[1]);
        else if (w[0] == "report" && w.size() == 3)
            writeStoreReport(w[1], w[2]);
        else if (w[0] == "copy" && w.size() == 3)
            fso.copyFolder(w[1], w[2], true);
        else if (w[0] == "delete")
            fso.deleteFolder(w[1], true);
        else
            return 2;
    } catch (const AutomationError &e) {
        say("error " + std::to_string(e.number()) + ": " + e.description());
        return 1;
    }
    return 0;
}

std::string describe(const Store &store, const BenchOptions &o)
{
    char load[128] = "?";
    double avg[3] = {};
    if (::getloadavg(avg, 3) == 3)
        std::snprintf(load, sizeof load, "%.2f %.2f %.2f", avg[0], avg[1], avg[2]);
    return "Store: " + std::to_string(store.files) + " files, " + std::to_string(store.folders) + " folders, " +
           std::to_string(store.links) + " links, " + std::to_string(store.bytes / (1024 * 1024)) + " MB; " +
           std::to_string(o.runs) + " alternating runs each, median, warm cache; " +
           std::to_string(::sysconf(_SC_NPROCESSORS_ONLN)) + " cores, load average " + load + " at the start" +
           (o.load ? ", " + std::to_string(o.load) + " busy processes started by the bench for the run." : ".");
}

Results measureAll(const Store &store, const std::string &scratch, const BenchOptions &o, const std::string &self)
{
    Results r;
    r.header = describe(store, o);
    say("warming the cache");
    walk::treeSize(store.root);
    if (o.wants("size")) {
        say("folder size");
        r.rows.push_back(sizeRow(store, o.runs, r));
    }
    if (o.wants("report")) {
        say("report walk");
        r.rows.push_back(reportRow(store, scratch, o.runs));
    }
    if (!o.skipWrites && o.wants("copy")) {
        say("copy");
        r.rows.push_back(copyRow(store, scratch, o.runs));
    }
    if (!o.skipWrites && o.wants("delete")) {
        say("delete");
        r.rows.push_back(deleteRow(store, scratch, o.runs));
    }
    if (!o.skipWrites && o.wants("compare")) {
        say("compare with current");
        if (std::optional<Row> compare = compareRow(store, scratch, o.runs))
            r.rows.push_back(*compare);
        else
            r.notes.push_back("Compare with current not measured: rsync is not on PATH.");
    }
    if (o.wants("scan")) {
        say("browser scan and list fill");
        BrowserSetting setting(store, scratch + "/locker");
        r.rows.push_back(scanRow(store, o.runs));
        r.rows.push_back(fillRow(store, o.runs));
    }
    if (o.wants("thin")) {
        r.rows.push_back(thinPreviewRow(store, o.runs));
        if (!o.skipWrites) {
            say("thinning window on 5,000 runs");
            r.rows.push_back(thinWindowPauseRow(scratch, 5000, 60));
        }
    }
    if (o.wants("click")) {
        say("date clicks");
        clickRows(store, scratch, o.runs, r);
    }
    if (o.wants("search")) {
        say("archive search");
        searchRows(store, o.runs, r);
        say("archive search, many small archives");
        manyArchivesSearchRow(scratch, o.runs, r);
    }
    if (o.wants("memory")) {
        say("memory");
        r.rows.push_back(memoryRow(store, self));
    }
    if (!o.skipWrites && o.wants("restore")) {
        say("event loop during a restore");
        r.rows.push_back(pauseRow(store, scratch, o.load));
    }
    if (o.syscalls) {
        say("system calls");
        syscallRows(store, scratch, o, self, r);
    }
    return r;
}

} // namespace

int main(int argc, char **argv)
{
    BenchOptions o = parseOptions(argc, argv);
    if (!o.sizeOnly.empty())
        return sizeOnly(o.sizeOnly);
    if (!o.walk.empty())
        return walkOnly(o.walk);
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    for (const char *tool : {"du", "find", "cp", "rm"})
        if (!toolAvailable(tool)) {
            say(std::string(tool) + " is not on PATH");
            return 1;
        }
    std::string scratch;
    try {
        scratch = scratchFolder(o.dir);
        say("building a store of about " + std::to_string(o.files) + " files in " + scratch);
        double start = now();
        Store store = buildStore(scratch + "/store", StoreShape{o.files});
        say("built in " + std::to_string(now() - start).substr(0, 5) + " s");
        std::optional<BusyLoad> load;
        if (o.load)
            load.emplace(o.load);
        // The program's own path: a traced command runs below strace, where /proc/self/exe is strace.
        std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
        Results r = measureAll(store, scratch, o, self);
        std::cout << (o.json ? asJson(r) : asTable(r));
    } catch (const AutomationError &e) {
        say("error " + std::to_string(e.number()) + ": " + e.description());
        return 1;
    } catch (const std::exception &e) {
        say(e.what());
        return 1;
    }
    if (!o.keep && !scratch.empty())
        removeIfThere(scratch);
    return 0;
}

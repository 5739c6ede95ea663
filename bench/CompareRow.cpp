#include "CompareRow.h"

#include "SideBySide.h"
#include "ToolRun.h"

#include "platform/walk/FolderWalk.h"
#include "platform/walk/TreeCompare.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <stdexcept>

namespace rnx10::bench {

namespace {

// Every hundredth file of the sample hour's folders touched, one file removed, one added: a
// source that has drifted a little from its copy, as after a day's work.
void drift(const std::string &source, const Store &store)
{
    const std::string hour = source + store.sampleHour.substr(store.computer.size());
    int seen = 0;
    walk::forEachFolder(hour, [&](const std::string &folder) {
        for (const walk::Entry &e : walk::list(folder))
            if (!e.isFolder && ++seen % 100 == 0)
                ::utimensat(AT_FDCWD, (folder + "/" + e.name).c_str(), nullptr, AT_SYMLINK_NOFOLLOW);
        return true;
    });
    ::close(::open((hour + "/added.txt").c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0644));
}

} // namespace

std::optional<Row> compareRow(const Store &store, const std::string &scratch, int runs)
{
    if (!toolAvailable("rsync"))
        return std::nullopt;
    const std::string source = scratch + "/compared-source";
    walk::copyTree(store.computer, source, false);
    drift(source, store);
    std::uint64_t changes = 0;
    Timing t = sideBySide(
        {[&] {
            changes = 0;
            walk::compareTrees(store.computer, source, [&](const walk::TreeChange &) { ++changes; });
        }},
        {[&] {
            if (runTool({"rsync", "-rn", "--delete", "--itemize-changes", store.computer + "/", source + "/"}).status != 0)
                throw std::runtime_error("rsync failed");
        }},
        runs, store.root.c_str());
    walk::removeTree(source, true);
    Row row = compared("compare with current (computer folder against a drifted copy)",
                       "rsync -rn --delete --itemize-changes COPY/ SOURCE/", t.ours, t.tool, 0.5);
    row.note = std::to_string(changes) + " changes found; both with output dropped";
    return row;
}

} // namespace rnx10::bench

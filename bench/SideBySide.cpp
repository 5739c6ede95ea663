#include "SideBySide.h"

#include "ToolRun.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>

namespace rnx10::bench {

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

double lowest(const std::vector<double> &v) { return v.empty() ? 0 : *std::min_element(v.begin(), v.end()); }
double highest(const std::vector<double> &v) { return v.empty() ? 0 : *std::max_element(v.begin(), v.end()); }

namespace {

double timedRun(const Contender &c, const char *syncFolder)
{
    if (c.prepare)
        c.prepare();
    int fd = ::open(syncFolder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::syncfs(fd);
        ::close(fd);
    }
    double start = now();
    c.run();
    double seconds = now() - start;
    if (c.cleanup)
        c.cleanup();
    return seconds;
}

} // namespace

double Timing::oursMedian() const { return median(ours); }
double Timing::toolMedian() const { return median(tool); }

Timing sideBySide(const Contender &ours, const Contender &tool, int runs, const char *syncFolder)
{
    timedRun(ours, syncFolder);
    timedRun(tool, syncFolder);
    Timing t;
    for (int i = 0; i < runs; ++i) {
        if (i % 2 == 0) {
            t.ours.push_back(timedRun(ours, syncFolder));
            t.tool.push_back(timedRun(tool, syncFolder));
        } else {
            t.tool.push_back(timedRun(tool, syncFolder));
            t.ours.push_back(timedRun(ours, syncFolder));
        }
    }
    return t;
}

} // namespace rnx10::bench

// Our operation and the standard tool's, timed in alternating runs on a warm cache.
#pragma once

#include <functional>
#include <vector>

namespace rnx10::bench {

struct Contender {
    std::function<void()> run;           // the timed work
    std::function<void()> prepare = {};  // untimed, before each run (a tree to delete)
    std::function<void()> cleanup = {};  // untimed, after each run (the copy made)
};

struct Timing {
    std::vector<double> ours, tool; // seconds, in run order
    double oursMedian() const;
    double toolMedian() const;
};

// The median of the figures, and the lowest and highest.
double median(std::vector<double> v);
double lowest(const std::vector<double> &v);
double highest(const std::vector<double> &v);

// One untimed warm-up of each, then runs rounds alternating which goes first. Before every timed
// run the file system's dirty data is written out (syncFolder's file system), so no run pays for
// the one before.
Timing sideBySide(const Contender &ours, const Contender &tool, int runs, const char *syncFolder);

} // namespace rnx10::bench

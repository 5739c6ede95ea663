// Command line of rnx10-bench.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rnx10::bench {

struct BenchOptions {
    std::uint64_t files = 200000;
    int runs = 5;
    std::string dir;        // where the scratch folder goes; $TMPDIR or /tmp when empty
    bool json = false;
    bool keep = false;      // leave the scratch folder behind
    bool skipWrites = false; // measure only the reading walks (for very large stores)
    bool syscalls = false;   // also count each walk's system calls per file under strace
    int load = 0;            // busy processes started for the whole run
    std::vector<std::string> only; // the groups of rows to measure; all when empty

    // Whether the group of rows named so is measured.
    bool wants(const std::string &group) const;
    std::string sizeOnly;   // internal: measure this folder and report peak memory
    std::vector<std::string> walk; // internal: one walk alone (operation, folder[, destination])
};

// Parses argv; prints usage and exits on --help or a bad option.
BenchOptions parseOptions(int argc, char **argv);

} // namespace rnx10::bench

// System calls of a whole command, counted by strace -f -c: where a walk's time goes, since the
// walks spend most of it in the kernel.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace rnx10::bench {

struct SyscallCount {
    double total = 0;
    std::vector<std::pair<std::string, double>> calls; // by name, most frequent first
};

// Runs argv under strace (standard output to stdoutPath); nothing when strace is missing or the
// command fails.
std::optional<SyscallCount> countSyscalls(const std::vector<std::string> &argv,
                                          const std::string &stdoutPath = "/dev/null");

// The most frequent calls, each per file: "statx 1.00, getdents64 0.28, ...".
std::string perFile(const SyscallCount &count, double files, std::size_t most = 5);

} // namespace rnx10::bench

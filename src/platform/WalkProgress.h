// What a running walk has done so far, and the caller's request to stop it.
#pragma once

#include "automation/AutomationError.h"

#include <atomic>
#include <cstdint>

namespace rnx10::walk {

struct WalkProgress {
    std::atomic<bool> cancel{false};        // set by anyone; the walk stops at the next folder
    std::atomic<std::uint64_t> entries{0};  // folders and other entries handled
    std::atomic<std::uint64_t> bytes{0};    // bytes measured or copied
    std::atomic<int> openFolders{0};        // folder descriptors the walk holds right now
    std::atomic<int> mostOpenFolders{0};    // the most it held at once
};

constexpr int UserInterrupt = 18;

// The error a walk raises when its progress object asks it to stop.
inline AutomationError interrupted() { return AutomationError(UserInterrupt, "User interrupt occurred"); }

} // namespace rnx10::walk

// What a running walk has done so far, and the caller's request to stop it.
#pragma once

#include "automation/AutomationError.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

namespace rnx10::walk {

struct WalkProgress {
    std::atomic<bool> cancel{false};        // set by anyone; the walk stops at the next folder
    std::atomic<std::uint64_t> entries{0};  // folders and other entries handled
    std::atomic<std::uint64_t> bytes{0};    // bytes measured or copied
    std::atomic<int> openFolders{0};        // folder descriptors the walk holds right now
    std::atomic<int> mostOpenFolders{0};    // the most it held at once

    // Entries a copy passed over by their source path: sockets and devices, which no copy makes.
    void noteSkipped(std::string path)
    {
        const std::lock_guard lock(m_skippedGuard);
        m_skipped.push_back(std::move(path));
    }
    std::size_t skippedCount() const
    {
        const std::lock_guard lock(m_skippedGuard);
        return m_skipped.size();
    }
    // The ones noted after the first `from`.
    std::vector<std::string> skippedSince(std::size_t from) const
    {
        const std::lock_guard lock(m_skippedGuard);
        return {m_skipped.begin() + static_cast<std::ptrdiff_t>(std::min(from, m_skipped.size())), m_skipped.end()};
    }

private:
    mutable std::mutex m_skippedGuard;
    std::vector<std::string> m_skipped;
};

// The progress object of the calling thread's current job (ProgressRunner sets it), used by every
// walk that is given none: code that knows nothing of progress still reports and can be stopped.
WalkProgress *threadProgress();

// Makes progress the calling thread's current one for the scope's life.
class ScopedProgress {
public:
    explicit ScopedProgress(WalkProgress *progress);
    ~ScopedProgress();
    ScopedProgress(const ScopedProgress &) = delete;
    ScopedProgress &operator=(const ScopedProgress &) = delete;

private:
    WalkProgress *m_previous;
};

// progress when given, else the thread's current one (which may be none).
inline WalkProgress *progressOrThread(WalkProgress *progress) { return progress ? progress : threadProgress(); }

constexpr int UserInterrupt = 18;

// The error a walk raises when its progress object asks it to stop.
inline AutomationError interrupted() { return AutomationError(UserInterrupt, "User interrupt occurred"); }

} // namespace rnx10::walk

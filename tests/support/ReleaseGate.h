// Where a fake's worker-thread call waits until the test lets it go: the held jobs of the
// progress tests.
#pragma once

#include <condition_variable>
#include <mutex>

namespace rnx10::test {

class ReleaseGate {
public:
    // Waits until open() was called; with closeBehind the next pass waits again.
    void pass(bool closeBehind = false)
    {
        std::unique_lock lock(m_mutex);
        m_wake.wait(lock, [this] { return m_open; });
        if (closeBehind)
            m_open = false;
    }
    void open()
    {
        std::lock_guard lock(m_mutex);
        m_open = true;
        m_wake.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_open = false;
};

} // namespace rnx10::test

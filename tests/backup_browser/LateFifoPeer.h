// The other end of a FIFO that comes late: unless released first, after a generous delay it opens
// the FIFO, so that a test whose work waits on the FIFO is freed instead of hanging and can tell
// that it waited. A Writer opens for reading and writing (which never waits), writes its bytes and
// closes; a Reader opens for reading without waiting and holds the FIFO open until it goes.
#pragma once

#include "platform/FileIO.h"

#include <fcntl.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace rnx10::test {

class LateFifoPeer {
public:
    enum Role { Writer, Reader };

    LateFifoPeer(std::string path, Role role, std::string bytes = {})
        : m_path(std::move(path)), m_role(role), m_bytes(std::move(bytes)), m_thread([this] { run(); })
    {
    }
    ~LateFifoPeer()
    {
        release();
        m_thread.join();
    }
    LateFifoPeer(const LateFifoPeer &) = delete;
    LateFifoPeer &operator=(const LateFifoPeer &) = delete;

    // The work under test is done: the peer does not come.
    void release()
    {
        std::lock_guard lock(m_mutex);
        m_released = true;
        m_wake.notify_all();
    }
    // True when the peer came, because the work was not done in time.
    bool came() const { return m_came; }

private:
    void run()
    {
        std::unique_lock lock(m_mutex);
        if (m_wake.wait_for(lock, std::chrono::seconds(20), [this] { return m_released; }))
            return;
        m_came = true;
        if (m_role == Reader) {
            m_held.reset(::open(m_path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
            return;
        }
        Descriptor fd(::open(m_path.c_str(), O_RDWR | O_CLOEXEC));
        writeAll(fd.get(), m_bytes);
    }

    std::string m_path;
    Role m_role;
    std::string m_bytes;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_released = false;
    std::atomic<bool> m_came{false};
    Descriptor m_held;
    std::thread m_thread; // last: starts once everything above is ready
};

} // namespace rnx10::test

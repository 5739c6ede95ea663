// An owned file descriptor, closed when it goes out of scope.
#pragma once

#include <unistd.h>

namespace rnx10::walk {

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(Descriptor &&o) noexcept : m_fd(o.release()) {}
    Descriptor &operator=(Descriptor &&o) noexcept
    {
        if (this != &o)
            reset(o.release());
        return *this;
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    int release()
    {
        int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    void reset(int fd = -1)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd;
};

} // namespace rnx10::walk

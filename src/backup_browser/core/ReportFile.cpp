#include "backup_browser/core/ReportFile.h"

#include "automation/AutomationError.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace rnx10 {

namespace {
constexpr std::size_t kFlushAt = 1 << 16;
}

ReportFile::ReportFile(const std::string &path) : m_path(path)
{
    m_fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (m_fd < 0)
        throw err::fromErrno(errno, path);
}

ReportFile::~ReportFile()
{
    if (m_fd < 0)
        return;
    // A report stopped part-way still holds every line written before the stop.
    try {
        flush();
    } catch (const AutomationError &) {
        // The error that stopped the report is the one the user is told.
    }
    ::close(m_fd);
}

void ReportFile::writeLine(const std::string &line)
{
    m_buffer += line;
    m_buffer += "\r\n";
    if (m_buffer.size() >= kFlushAt)
        flush();
}

void ReportFile::flush()
{
    std::size_t done = 0;
    while (done < m_buffer.size()) {
        ssize_t n = ::write(m_fd, m_buffer.data() + done, m_buffer.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw err::fromErrno(errno, m_path);
        done += static_cast<std::size_t>(n);
    }
    m_buffer.clear();
}

void ReportFile::close()
{
    flush();
    int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0)
        throw err::fromErrno(errno, m_path);
}

} // namespace rnx10

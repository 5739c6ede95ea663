#include "store/ReportFile.h"

#include "automation/AutomationError.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

namespace rnx10 {

namespace {
constexpr std::size_t kFlushAt = 1 << 16;

// The report lives in the store, which may sit on shared or removable media: a link put at its
// path could lead to any file of the user, so the report is never written through one. Opened
// non-blocking so that a FIFO or device there never holds the caller; only a regular file is used.
Descriptor openReport(const std::string &path)
{
    Descriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0666));
    if (!fd.valid()) {
        const int error = errno;
        struct stat st{};
        if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode))
            throw err::permissionDenied(path + " is a symbolic link; the report is not written through a link");
        if (error == ENXIO) // a FIFO no one reads
            throw err::pathFileAccess(path + " is not a regular file");
        throw err::fromErrno(error, path);
    }
    struct stat st{};
    if (::fstat(fd.get(), &st) != 0)
        throw err::fromErrno(errno, path);
    if (!S_ISREG(st.st_mode))
        throw err::pathFileAccess(path + " is not a regular file");
    // Emptied only now that it is known to be a file of its own.
    if (::ftruncate(fd.get(), 0) != 0)
        throw err::fromErrno(errno, path);
    return fd;
}
} // namespace

ReportFile::ReportFile(const std::string &path) : m_path(path), m_file(openReport(path)) {}

ReportFile::~ReportFile()
{
    if (!m_file.valid())
        return;
    // A report stopped part-way still holds every line written before the stop.
    try {
        flush();
    } catch (const AutomationError &) {
        // The error that stopped the report is the one the user is told.
    }
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
    if (!writeAll(m_file.get(), m_buffer))
        throw err::fromErrno(errno, m_path);
    m_buffer.clear();
}

void ReportFile::close()
{
    flush();
    if (!m_file.close())
        throw err::fromErrno(errno, m_path);
}

} // namespace rnx10

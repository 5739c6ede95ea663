#include "backup_browser/core/ReportFile.h"

#include "automation/AutomationError.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

namespace rnx10 {

namespace {
constexpr std::size_t kFlushAt = 1 << 16;

// The report lives in the store, which may sit on shared or removable media: a link put at its
// path could lead to any file of the user, so the report is never written through one.
Descriptor openReport(const std::string &path)
{
    try {
        return openFile(path, O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_NOCTTY);
    } catch (const AutomationError &) {
        struct stat st{};
        if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode))
            throw err::permissionDenied(path + " is a symbolic link; the report is not written through a link");
        throw;
    }
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

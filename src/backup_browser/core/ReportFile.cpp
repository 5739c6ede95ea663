#include "backup_browser/core/ReportFile.h"

#include "automation/AutomationError.h"

#include <fcntl.h>

#include <cerrno>

namespace rnx10 {

namespace {
constexpr std::size_t kFlushAt = 1 << 16;
}

ReportFile::ReportFile(const std::string &path) : m_path(path), m_file(openFile(path, O_WRONLY | O_CREAT | O_TRUNC)) {}

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

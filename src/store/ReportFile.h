// A text file written line by line with CR LF endings; errors raise, the file is always closed.
#pragma once

#include "platform/FileIO.h"

#include <string>

namespace rnx10 {

class ReportFile {
public:
    // Creates the file or empties it; raises when it cannot be opened for writing, and (70) when
    // path is a symbolic link, which is left as it is with its target; (75) when path is not a
    // regular file (a FIFO, device, socket), which is never waited on.
    explicit ReportFile(const std::string &path);
    // Closes without reporting errors (an error already left the writer).
    ~ReportFile();
    ReportFile(const ReportFile &) = delete;
    ReportFile &operator=(const ReportFile &) = delete;

    // The bytes as they are, then CR LF. Raises on a write failure.
    void writeLine(const std::string &line);
    // Writes what is buffered and closes; raises on failure.
    void close();

private:
    void flush();

    std::string m_path;
    std::string m_buffer;
    Descriptor m_file;
};

} // namespace rnx10

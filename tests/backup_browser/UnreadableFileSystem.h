// A file-system object whose size and listing fail for every path containing a marker, as an
// unreadable folder does for an unprivileged user.
#pragma once

#include "automation/AutomationError.h"
#include "platform/FileSystemObject.h"

namespace rnx10::test {

class UnreadableFileSystem : public FileSystemObject {
public:
    explicit UnreadableFileSystem(std::string marker) : m_marker(std::move(marker)) {}
    std::uint64_t folderSize(const std::string &path) override
    {
        check(path);
        return FileSystemObject::folderSize(path);
    }
    std::vector<std::string> subFolders(const std::string &path) override
    {
        check(path);
        return FileSystemObject::subFolders(path);
    }

private:
    void check(const std::string &path) const
    {
        if (path.find(m_marker) != std::string::npos)
            throw err::permissionDenied(path);
    }
    std::string m_marker;
};

} // namespace rnx10::test

#include "StoreFixture.h"

#include "automation/AutomationError.h"
#include "platform/ComputerName.h"

#include <unistd.h>

namespace rnx10::test {

std::string StoreFixture::computer() const { return inst.store() + "/" + GetMachineName(); }

std::string StoreFixture::folder(const std::string &relative) const
{
    const std::string path = computer() + "/" + relative;
    makeFolders(path);
    return path;
}

void StoreFixture::fileOfSize(const std::string &path, std::uint64_t size) const
{
    makeFolders(parentPath(path));
    writeFile(path, "");
    EXPECT_EQ(::truncate(path.c_str(), static_cast<off_t>(size)), 0);
}

std::string StoreFixture::archive(const std::string &hour, const std::string &name, const std::string *detailsText,
                                  std::uint64_t copyBytes) const
{
    const std::string path = hour + "/" + name;
    makeFolders(path + "/data");
    fileOfSize(path + "/data/file.bin", copyBytes);
    if (detailsText)
        writeFile(path + "/details.ini", *detailsText);
    return path;
}

std::string StoreFixture::details(const std::string &source, const std::string &destination)
{
    return "[DETAILS]\nSourceDir=" + source + "\nDestinationDir=" + destination +
           "\nComputer=PC01\nWindowsUser=ann\nNowStamp=10/12/2026 21:05:00\n";
}

void UnreadableFileSystem::check(const std::string &path) const
{
    if (path.find(m_marker) != std::string::npos)
        throw err::permissionDenied(path);
}

std::uint64_t UnreadableFileSystem::folderSize(const std::string &path)
{
    check(path);
    return FileSystemObject::folderSize(path);
}

std::vector<std::string> UnreadableFileSystem::subFolders(const std::string &path)
{
    check(path);
    return FileSystemObject::subFolders(path);
}

} // namespace rnx10::test

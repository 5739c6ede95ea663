#include "StoreFixture.h"

#include "automation/AutomationError.h"
#include "automation/ObjectRegistry.h"
#include "services/ProgIds.h"
#include "services/ServiceSet.h"

#include <filesystem>

namespace rnx10::test {

StoreFixture::StoreFixture() { makeFolders(day()); }

std::string StoreFixture::addArchive(const std::string &hourName, const std::string &archive, const std::string &source)
{
    const std::string folder = hour(hourName) + "/" + archive;
    makeFolders(folder + "/copy/sub");
    writeFile(folder + "/copy/a.txt", "copy of " + source);
    writeFile(folder + "/copy/sub/b.txt", "b");
    writeFile(folder + "/details.ini", "[DETAILS]\nSourceDir=" + source + "\nDestinationDir=" + folder +
                                           "/copy\nComputer=PC01\nWindowsUser=tester\nNowStamp=now\n");
    return folder;
}

BrowserFolders StoreFixture::folders(const std::string &hourName) const
{
    BrowserFolders f;
    f.ComputerFolder = computer();
    f.YearFolder = computer() + "/2026";
    f.MonthFolder = computer() + "/2026/12";
    f.DayFolder = day();
    f.HourFolder = hour(hourName);
    return f;
}

std::set<std::string> treeListing(const std::string &root)
{
    namespace fs = std::filesystem;
    std::set<std::string> entries;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
        std::string rel = fs::relative(it->path(), root).string();
        if (it->is_symlink())
            rel += " -> " + fs::read_symlink(it->path()).string();
        else if (it->is_regular_file())
            rel += " = " + readFile(it->path().string());
        entries.insert(rel);
    }
    return entries;
}

void FailingCopyFileSystem::copyFolder(const std::string &source, const std::string &destination, bool overwrite)
{
    FileSystemObject::copyFolder(source, destination, overwrite);
    throw err::pathFileAccess(destination + " (No space left on device)");
}

FileSystemOverride::FileSystemOverride(std::function<std::shared_ptr<FileSystemObject>()> make)
    : m_saved(ObjectRegistry::registerFactory(progid::FileSystem, [make] { return std::static_pointer_cast<void>(make()); }))
{
    services().releaseAll();
}

FileSystemOverride::~FileSystemOverride()
{
    if (m_saved)
        ObjectRegistry::registerFactory(progid::FileSystem, m_saved);
    services().releaseAll();
}

} // namespace rnx10::test

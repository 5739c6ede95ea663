#include "store/ArchiveDeletion.h"

#include "automation/AutomationError.h"
#include "store/FolderRestore.h"
#include "platform/FileSystemObject.h"
#include "platform/Paths.h"
#include "platform/Translation.h"

#include <vector>

namespace rnx10 {

namespace {

std::vector<std::string> components(const std::string &path)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        if (end > start)
            parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

const std::string &levelVariable(const BrowserFolders &f, StoreLevel level)
{
    switch (level) {
    case StoreLevel::Year: return f.YearFolder;
    case StoreLevel::Month: return f.MonthFolder;
    case StoreLevel::Day: return f.DayFolder;
    case StoreLevel::Hour: break;
    }
    return f.HourFolder;
}

const std::string &levelAbove(const BrowserFolders &f, StoreLevel level)
{
    switch (level) {
    case StoreLevel::Year: return f.ComputerFolder;
    case StoreLevel::Month: return f.YearFolder;
    case StoreLevel::Day: return f.MonthFolder;
    case StoreLevel::Hour: break;
    }
    return f.DayFolder;
}

bool isDirectlyInside(const std::string &child, const std::string &parent)
{
    return !child.empty() && !parent.empty() && parentPath(child) == parent;
}

// year/month/day/hour: the hour folder sits exactly four levels below the computer folder.
bool isHourOfComputer(const std::string &hour, const std::string &computer)
{
    if (computer == "/" || !isInside(hour, computer))
        return false;
    return components(hour.substr(computer.size())).size() == 4;
}

} // namespace

std::string canonicalStorePath(const std::string &path)
{
    if (path.empty() || path.front() != '/')
        return {};
    std::string result;
    for (const std::string &part : components(path)) {
        if (part == "." || part == "..")
            return {};
        result += "/" + part;
    }
    return result.empty() ? "/" : result;
}

std::optional<std::string> levelFolderToDelete(const BrowserFolders &folders, StoreLevel level)
{
    std::string folder = canonicalStorePath(levelVariable(folders, level));
    if (!isDirectlyInside(folder, canonicalStorePath(levelAbove(folders, level))))
        return std::nullopt;
    return folder;
}

// Told in the browser: its texts' context.
std::string nothingSelectedText(StoreLevel level)
{
    switch (level) {
    case StoreLevel::Year: return tx("rnx10::frmBackUpRestoreA", "No year is selected.");
    case StoreLevel::Month: return tx("rnx10::frmBackUpRestoreA", "No month is selected.");
    case StoreLevel::Day: return tx("rnx10::frmBackUpRestoreA", "No day is selected.");
    case StoreLevel::Hour: break;
    }
    return tx("rnx10::frmBackUpRestoreA", "No hour is selected.");
}

std::string archiveFolderOf(FileSystemObject &fso, const std::string &selectedDestinationDir)
{
    checkCopyFolder(fso, selectedDestinationDir);
    return parentPath(selectedDestinationDir);
}

void checkArchiveFolder(FileSystemObject &, const BrowserFolders &folders, const std::string &archiveFolder)
{
    const std::string hour = canonicalStorePath(folders.HourFolder);
    const std::string archive = canonicalStorePath(archiveFolder);
    if (isHourOfComputer(hour, canonicalStorePath(folders.ComputerFolder)) && isDirectlyInside(archive, hour))
        return; // the levels on its way are checked as the deletion opens them (holdStoreFolder)
    throw err::invalidCall(archiveFolder + " is not an archive of the hour in view; nothing was deleted");
}

} // namespace rnx10

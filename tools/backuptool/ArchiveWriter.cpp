#include "ArchiveWriter.h"

#include "automation/AutomationError.h"
#include "common/GeneralDate.h"
#include "platform/ComputerName.h"
#include "platform/FileSystemObject.h"
#include "platform/Paths.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <vector>

namespace rnx10::backuptool {

namespace {
std::string userName()
{
    if (const passwd *pw = ::getpwuid(::getuid()); pw && pw->pw_name)
        return pw->pw_name;
    const char *user = std::getenv("USER");
    return user ? user : "";
}

std::string resolved(const std::string &path)
{
    std::string real = realPath(path);
    return real.empty() ? path : real;
}

void checkRequest(const ArchiveRequest &r, FileSystemObject &fso)
{
    if (r.store.empty() || r.store.front() != '/')
        throw err::pathNotFound("the backup store is not an absolute folder: \"" + r.store + "\"");
    if (!fso.folderExists(r.source))
        throw err::pathNotFound(r.source);
    // A source that holds the store would copy the store into itself without end.
    const std::string store = resolved(r.store), source = resolved(r.source);
    if (isInside(store, source) || isInside(source, store))
        throw err::invalidCall(r.source + " holds the backup store or lies inside it");
    if (r.source.find_first_of("\r\n") != std::string::npos)
        throw err::invalidCall("a folder name with a line break cannot be recorded in details.ini");
}

// Creates every missing level of path and returns those it made, outermost first. The two tools
// run at the same time and make the same hour folder: a level that appears meanwhile is fine.
std::vector<std::string> makeLevels(FileSystemObject &fso, const std::string &path)
{
    std::vector<std::string> made;
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string level = path.substr(0, slash);
        if (!fso.folderExists(level)) {
            try {
                fso.createFolder(level);
                made.push_back(level);
            } catch (const AutomationError &e) {
                if (e.number() != err::FileExists || !fso.folderExists(level))
                    throw;
            }
        }
        if (slash == std::string::npos)
            return made;
    }
}

// A failed run leaves no hour folder behind for the store to count as a backup: its hour folder
// and the day, month and year folders above it go while they are empty (another tool's archive
// keeps them), deepest first, and so do the levels this run made. The hour folder may have been
// made by the other tool, which found it still holding this run's archive when it failed: it is
// removed here all the same. A level already gone is passed over.
void removeEmptyLevels(const std::string &hour, const std::vector<std::string> &made)
{
    std::set<std::string> levels(made.begin(), made.end());
    std::string level = hour;
    for (int up = 0; up < 4 && !level.empty(); ++up, level = parentPath(level))
        levels.insert(level);
    // Every level is a leading part of hour: the longer one lies deeper.
    std::vector<std::string> deepestFirst(levels.begin(), levels.end());
    std::sort(deepestFirst.begin(), deepestFirst.end(),
              [](const std::string &a, const std::string &b) { return a.size() > b.size(); });
    for (const std::string &folder : deepestFirst)
        if (::rmdir(folder.c_str()) != 0 && errno != ENOENT)
            return;
}

// Creates hour/<name>, or hour/<name>-2, -3, ... when taken; returns the folder made.
std::string createUniqueFolder(FileSystemObject &fso, const std::string &hour, const std::string &name)
{
    for (int n = 1;; ++n) {
        const std::string candidate = hour + "/" + (n == 1 ? name : name + "-" + std::to_string(n));
        try {
            fso.createFolder(candidate);
            return candidate;
        } catch (const AutomationError &e) {
            if (e.number() != err::FileExists)
                throw;
        }
    }
}

// Makes the hour folder's levels and a fresh archive folder in it. The other tool may remove an
// hour folder it made and could not fill just before this one's archive folder goes in: then the
// levels are made again.
std::string createArchiveFolder(FileSystemObject &fso, const std::string &hour, const std::string &name,
                                std::vector<std::string> &made)
{
    for (int attempt = 1;; ++attempt) {
        const std::vector<std::string> levels = makeLevels(fso, hour);
        made.insert(made.end(), levels.begin(), levels.end());
        try {
            return createUniqueFolder(fso, hour, name);
        } catch (const AutomationError &e) {
            if (e.number() != err::PathNotFound || attempt == 3)
                throw;
        }
    }
}

void writeDetails(const std::string &archive, const std::string &sourceText, const std::string &destination)
{
    const std::string path = archive + "/details.ini";
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << detailsText({sourceText, destination, GetMachineName(), userName(), generalDateText()});
    if (!out.flush())
        throw err::pathFileAccess(path);
}
} // namespace

std::string detailsText(const ArchiveDetails &details)
{
    return "[DETAILS]\nSourceDir=" + details.sourceDir + "\nDestinationDir=" + details.destinationDir +
           "\nComputer=" + details.computer + "\nWindowsUser=" + details.user + "\nNowStamp=" + details.stamp + "\n";
}

std::string hourFolderName(const std::tm &when)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d-%02d", when.tm_hour, when.tm_min);
    return buffer;
}

std::string dayFolder(const std::string &store, const std::string &computer, const std::tm &when)
{
    return store + "/" + computer + "/" + std::to_string(when.tm_year + 1900) + "/" + std::to_string(when.tm_mon + 1) + "/" +
           std::to_string(when.tm_mday);
}

std::string writeArchive(const ArchiveRequest &request)
{
    FileSystemObject fso;
    checkRequest(request, fso);
    const std::string hour = dayFolder(request.store, GetMachineName(), request.when) + "/" + hourFolderName(request.when);
    std::vector<std::string> made;
    std::string archive;
    try {
        archive = createArchiveFolder(fso, hour, request.archiveName, made);
        const std::string destination = archive + "/" + request.copyName;
        fso.copyFolder(request.source, destination, true);
        writeDetails(archive, request.sourceText, destination);
    } catch (...) {
        // No half archive is left for the browser to list.
        try {
            if (!archive.empty())
                fso.deleteFolder(archive, true);
        } catch (const AutomationError &) {
        }
        removeEmptyLevels(hour, made);
        throw;
    }
    return archive;
}

} // namespace rnx10::backuptool

#include "RunLog.h"

#include "automation/AutomationError.h"
#include "platform/FileIO.h"
#include "platform/FileSystemObject.h"
#include "platform/Paths.h"
#include "platform/TerminalText.h"
#include "platform/Translation.h"

#include <fcntl.h>

#include <cerrno>
#include <cstring>

namespace rnx10::backuptool {

namespace {
// The folder and its missing ancestors; one made meanwhile by another tool is fine.
void makeFolders(FileSystemObject &fso, const std::string &folder)
{
    if (fso.folderExists(folder))
        return;
    const std::string parent = parentPath(folder);
    if (!parent.empty() && parent != folder)
        makeFolders(fso, parent);
    try {
        fso.createFolder(folder);
    } catch (const AutomationError &) {
        if (!fso.folderExists(folder))
            throw;
    }
}
} // namespace

std::string runLogLine(const RunOutcome &outcome)
{
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &outcome.when);
    std::string line = std::string(stamp) + " " + outcome.tool;
    if (outcome.status == 0)
        return line + " ok: " + std::to_string(outcome.archives) + (outcome.archives == 1 ? " archive" : " archives");
    line += " failed (exit " + std::to_string(outcome.status) + ")";
    for (std::size_t i = 0; i < outcome.failures.size(); ++i)
        line += (i == 0 ? ": " : "; ") + printableText(outcome.failures[i]);
    return line;
}

std::string appendRunLog(const std::string &logFolder, const std::string &line)
{
    try {
        if (logFolder.empty() || logFolder.front() != '/')
            return fillIn(tx("backuptool", "the log folder is not an absolute folder: \"%1\""), {printableText(logFolder)});
        FileSystemObject fso;
        makeFolders(fso, logFolder);
        const Descriptor log = openFile(logFolder + "/" + kRunLogName, O_WRONLY | O_CREAT | O_APPEND);
        if (!writeAll(log.get(), line + "\n"))
            return std::strerror(errno);
        return {};
    } catch (const AutomationError &e) {
        return shownDescription(e);
    }
}

} // namespace rnx10::backuptool

#include "store/StoreReport.h"

#include "automation/AutomationError.h"
#include "store/ReportFile.h"
#include "platform/ComputerName.h"
#include "platform/FileSystemObject.h"
#include "platform/NameOrder.h"
#include "platform/Paths.h"
#include "platform/walk/FolderWalk.h"
#include "services/EnvironmentKeys.h"
#include "services/RuntimeService.h"
#include "services/ServiceSet.h"

#include <cstdlib>

namespace rnx10 {

namespace {
// The report keeps each name's bytes, but a line break inside a name would start a line of its
// own and forge an entry, so CR and LF are written as \r and \n there.
std::string reportLine(const std::string &folder)
{
    std::string line;
    for (char c : folder)
        line += c == '\n' ? std::string("\\n") : c == '\r' ? std::string("\\r") : std::string(1, c);
    return line;
}
} // namespace

std::string storeReportRoot()
{
    const char *fromProcess = std::getenv(envkey::Store);
    const std::string root =
        fromProcess && *fromProcess ? fromProcess : services().runtime().EnvironGet(envkey::kSuiteEnvironment, envkey::Store);
    if (root.empty())
        throw err::pathNotFound("ZVENVSBAK is not set");
    return root;
}

std::string storeReportPath()
{
    const char *name = std::getenv(envkey::ComputerReportName);
    return storeReportRoot() + "/" + (name ? name : "") + ".txt";
}

void writeStoreReport(const std::string &root, const std::string &reportPath,
                      const std::function<void()> &beforeEachFolder)
{
    FileSystemObject fso;
    writeStoreReport(fso, root, reportPath, beforeEachFolder);
}

void writeStoreReport(FileSystemObject &fso, const std::string &root, const std::string &reportPath,
                      const std::function<void()> &beforeEachFolder)
{
    ReportFile file(reportPath);
    const auto write = [&](const std::string &folder) {
        if (beforeEachFolder)
            beforeEachFolder();
        file.writeLine(reportLine(folder));
    };
    // The store root and this computer's folder may be links (a store moved to a bigger disk and
    // linked back): each is walked where it points and written under its name in the store.
    std::vector<std::string> top = fso.subFolders(followLink(root));
    const std::string computer = joinPath(root, GetMachineName());
    if (fso.isLink(computer) && fso.folderExists(computer)) {
        top.push_back(GetMachineName());
        sortByName(top);
    }
    for (const std::string &name : top) {
        const std::string named = joinPath(root, name);
        const std::string real = followLink(named);
        write(named);
        walk::forEachFolder(real, [&](const std::string &folder) {
            write(named + folder.substr(real.size()));
            return true;
        });
    }
    file.close();
}

} // namespace rnx10

#include "backup_browser/StoreReport.h"

#include "automation/AutomationError.h"
#include "backup_browser/ReportFile.h"
#include "component/ServiceSet.h"
#include "platform/FolderWalk.h"
#include "services/RuntimeService.h"

#include <cstdlib>

namespace rnx10 {

std::string storeReportRoot()
{
    const char *fromProcess = std::getenv("ZVENVSBAK");
    const std::string root = fromProcess && *fromProcess ? fromProcess : services().runtime().EnvironGet(2, "ZVENVSBAK");
    if (root.empty())
        throw err::pathNotFound("ZVENVSBAK is not set");
    return root;
}

std::string storeReportPath()
{
    const char *name = std::getenv("ZVENVSCOM");
    return storeReportRoot() + "/" + (name ? name : "") + ".txt";
}

void writeStoreReport(const std::string &root, const std::string &reportPath,
                      const std::function<void()> &beforeEachFolder)
{
    ReportFile file(reportPath);
    walk::forEachFolder(root, [&](const std::string &folder) {
        if (beforeEachFolder)
            beforeEachFolder();
        file.writeLine(folder);
        return true;
    });
    file.close();
}

} // namespace rnx10

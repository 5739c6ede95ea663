#include "backup_browser/core/StoreReport.h"

#include "automation/AutomationError.h"
#include "backup_browser/core/ReportFile.h"
#include "platform/FolderWalk.h"
#include "services/EnvironmentKeys.h"
#include "services/RuntimeService.h"
#include "services/ServiceSet.h"

#include <cstdlib>

namespace rnx10 {

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

#include "backup_browser/StoreReport.h"

#include "automation/AutomationError.h"
#include "backup_browser/ReportFile.h"
#include "platform/walk/FolderWalk.h"

#include <cstdlib>

namespace rnx10 {

std::string storeReportPath()
{
    const char *root = std::getenv("ZVENVSBAK");
    const char *name = std::getenv("ZVENVSCOM");
    if (!root || !*root)
        throw err::pathNotFound("ZVENVSBAK is not set");
    return std::string(root) + "/" + (name ? name : "") + ".txt";
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

#include "backup_browser/SelectionSizes.h"

#include "automation/AutomationError.h"
#include "commands/CommonHelpers.h"
#include "component/ServiceSet.h"
#include "platform/FileSystemObject.h"

namespace rnx10 {

namespace {
std::string sizeText(const std::string &folder)
{
    return folder + "\r\nSize : " + roundedMegabytes(services().fileSystem().folderSize(folder)) + " MB";
}
} // namespace

SelectionPanels selectionSizes(const std::string &source, const std::string &destination)
{
    SelectionPanels panels;
    if (source == kRegistryKeysSource)
        return panels;
    panels.selects = true;
    try {
        panels.panel1 = sizeText(source);
        panels.panel2 = sizeText(destination);
    } catch (const std::exception &) {
        // The click shows what it could measure and tells nothing.
    }
    return panels;
}

} // namespace rnx10

#include "backup_browser/core/SelectionSizes.h"

#include "automation/AutomationError.h"
#include "backup_browser/core/ShownValue.h"
#include "backup_browser/core/SizeText.h"

namespace rnx10 {

namespace {
std::string sizeText(FileSystemObject &fso, const std::string &folder, const FolderMeasure &measure)
{
    return shownValue(folder) + "\r\nSize : " + roundedMegabytes(measureFolder(fso, measure, folder)) + " MB";
}
} // namespace

SelectionPanels selectionSizes(FileSystemObject &fso, const std::string &source, const std::string &destination,
                               const FolderMeasure &measure)
{
    SelectionPanels panels;
    if (source == kRegistryKeysSource)
        return panels;
    panels.selects = true;
    try {
        panels.panel1 = sizeText(fso, source, measure);
        panels.panel2 = sizeText(fso, destination, measure);
    } catch (const std::exception &) {
        // The click shows what it could measure and tells nothing.
    }
    return panels;
}

} // namespace rnx10

#include "store/SelectionSizes.h"

#include "automation/AutomationError.h"
#include "store/ShownValue.h"
#include "store/SizeText.h"
#include "platform/Paths.h"

namespace rnx10 {

namespace {
// measured is the folder walked: a source that is a link is sized where it points, as the
// restore replaces that folder; the links below it are not followed.
std::string sizeText(FileSystemObject &fso, const std::string &folder, const FolderMeasure &measure,
                     const std::string &measured)
{
    return shownValue(folder) + "\r\n" + sizeCaptionText(measureFolder(fso, measure, measured));
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
        panels.panel1 = sizeText(fso, source, measure, followLink(source));
        panels.panel2 = sizeText(fso, destination, measure, destination);
    } catch (const std::exception &) {
        // The click shows what it could measure and tells nothing.
    }
    return panels;
}

} // namespace rnx10

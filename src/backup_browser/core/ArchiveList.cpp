#include "backup_browser/core/ArchiveList.h"

#include "backup_browser/core/SizeText.h"
#include "platform/FileSystemObject.h"
#include "services/IniValues.h"
#include "services/ServiceSet.h"

namespace rnx10 {

namespace {
void fill(ArchiveListResult &result, const std::string &dayFolder, const std::string &hour, const FolderMeasure &measure)
{
    FileSystemObject &fso = services().fileSystem();
    result.hourFolder = dayFolder + "/" + hour;
    const std::string megabytes = roundedMegabytes(measure(result.hourFolder));
    const std::string bytes = bytesText(measure(result.hourFolder));
    result.sizeCaption = "Size : " + megabytes + " MB";
    result.sizeToolTip = bytes;
    for (const std::string &archive : fso.subFolders(result.hourFolder)) {
        ArchiveRow &row = result.rows.emplace_back();
        row.name = archive;
        const std::string details = result.hourFolder + "/" + archive + "/details.ini";
        for (std::size_t i = 0; i < kDetailsKeys.size(); ++i)
            row.values[i] = ReadINIValue(details, "DETAILS", kDetailsKeys[i]);
    }
}
} // namespace

ArchiveListResult fillArchiveList(const std::string &dayFolder, const std::optional<std::string> &hour,
                                  const FolderMeasure &measure)
{
    ArchiveListResult result;
    if (!hour)
        return result;
    try {
        fill(result, dayFolder, *hour, measure);
    } catch (const AutomationError &e) {
        result.error = e;
    } catch (const std::exception &e) {
        result.error = err::pathFileAccess(e.what());
    }
    return result;
}

} // namespace rnx10

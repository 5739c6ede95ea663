#include "backup_browser/core/ArchiveList.h"

#include "backup_browser/core/SizeText.h"
#include "platform/FileSystemObject.h"
#include "services/IniValues.h"

namespace rnx10 {

namespace {
void fill(FileSystemObject &fso, ArchiveListResult &result, const std::string &dayFolder, const std::string &hour,
          const FolderMeasure &measure)
{
    result.hourFolder = dayFolder + "/" + hour;
    for (const std::string &archive : fso.subFolders(result.hourFolder)) {
        ArchiveRow &row = result.rows.emplace_back();
        row.name = archive;
        const std::string details = result.hourFolder + "/" + archive + "/details.ini";
        for (std::size_t i = 0; i < kDetailsKeys.size(); ++i)
            row.values[i] = ReadINIValue(details, "DETAILS", kDetailsKeys[i]);
    }
    // Measured after the listing, and once: an archive folder that cannot be read fails the size
    // alone, and every readable archive is still listed.
    const std::uint64_t size = measureFolder(fso, measure, result.hourFolder);
    result.sizeCaption = "Size : " + roundedMegabytes(size) + " MB";
    result.sizeToolTip = bytesText(size);
}
} // namespace

ArchiveListResult fillArchiveList(FileSystemObject &fso, const std::string &dayFolder,
                                  const std::optional<std::string> &hour, const FolderMeasure &measure)
{
    ArchiveListResult result;
    if (!hour)
        return result;
    result.error = err::caught([&] { fill(fso, result, dayFolder, *hour, measure); });
    return result;
}

} // namespace rnx10

#include "store/ArchiveList.h"

#include "store/SizeText.h"
#include "platform/FileSystemObject.h"
#include "platform/FileIO.h"
#include "services/IniFile.h"

namespace rnx10 {

namespace {

DetailsFile detailsOf(const SmallFileText &file, std::array<std::string, 5> &values)
{
    if (file.status == SmallFile::Missing || file.status == SmallFile::NotRegular)
        return DetailsFile::Missing;
    if (file.status != SmallFile::Read)
        return DetailsFile::Unreadable;
    const auto found = IniFile::values(file.text, "DETAILS", kDetailsKeys);
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = found[i].value_or(std::string());
    return DetailsFile::Read;
}

} // namespace

DetailsFile readDetails(const std::string &path, std::array<std::string, 5> &values)
{
    return detailsOf(readSmallFile(path, kMostDetailsBytes, Links::NoFollow), values);
}

DetailsFile readDetailsAt(int archiveFd, std::array<std::string, 5> &values)
{
    return detailsOf(readSmallFileAt(archiveFd, "details.ini", kMostDetailsBytes, Links::NoFollow), values);
}

namespace {

void fill(FileSystemObject &fso, ArchiveListResult &result, const std::string &dayFolder, const std::string &hour,
          const FolderMeasure &measure)
{
    result.hourFolder = dayFolder + "/" + hour;
    for (const std::string &archive : fso.subFolders(result.hourFolder)) {
        ArchiveRow &row = result.rows.emplace_back();
        row.name = archive;
        row.details = readDetails(result.hourFolder + "/" + archive + "/details.ini", row.values);
    }
    // Measured after the listing, and once: an archive folder that cannot be read fails the size
    // alone, and every readable archive is still listed.
    const std::uint64_t size = measureFolder(fso, measure, result.hourFolder);
    result.sizeCaption = sizeCaptionText(size);
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

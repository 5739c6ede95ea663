#include "store/ArchiveDays.h"

#include "store/LeadingNumber.h"
#include "platform/FileSystemObject.h"

#include <algorithm>
#include <exception>
#include <optional>

namespace rnx10 {

namespace {
bool anyMatches(const std::vector<std::string> &names, int value)
{
    return std::any_of(names.begin(), names.end(), [value](const std::string &name) { return matchesNumber(name, value); });
}

class DayLook {
public:
    DayLook(FileSystemObject &fso, ArchiveDays &result) : m_fso(fso), m_result(result) {}

    // The sub-folders of path, or nothing when it cannot be listed.
    std::optional<std::vector<std::string>> list(const std::string &path)
    {
        m_result.folders.push_back(path);
        try {
            return m_fso.subFolders(path);
        } catch (const std::exception &) {
            return std::nullopt;
        }
    }

    // The canonical folder below parent that a folder named for value resolves to, when one is listed.
    std::optional<std::string> level(const std::string &parent, int value)
    {
        const auto names = list(parent);
        if (!names || !anyMatches(*names, value))
            return std::nullopt;
        return parent + "/" + canonicalNumberText(value);
    }

private:
    FileSystemObject &m_fso;
    ArchiveDays &m_result;
};
} // namespace

ArchiveDays archiveDays(FileSystemObject &fso, const std::string &computerFolder, int year, int month)
{
    ArchiveDays result;
    if (computerFolder.empty())
        return result;
    DayLook look(fso, result);
    const auto yearFolder = look.level(computerFolder, year);
    const auto monthFolder = yearFolder ? look.level(*yearFolder, month) : std::nullopt;
    if (!monthFolder)
        return result;
    const auto dayNames = look.list(*monthFolder);
    if (!dayNames)
        return result;
    for (int day = 1; day <= 31; ++day) {
        if (!anyMatches(*dayNames, day))
            continue;
        const auto hours = look.list(*monthFolder + "/" + canonicalNumberText(day));
        if (hours && !hours->empty())
            result.days.insert(day);
    }
    return result;
}

} // namespace rnx10

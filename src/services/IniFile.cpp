#include "services/IniFile.h"

#include "automation/AutomationError.h"
#include "platform/FileIO.h"
#include "platform/FileSystemObject.h"
#include "platform/Paths.h"
#include "services/IniText.h"

#include <SimpleIni.h>

namespace rnx10::IniFile {

namespace {
void loadInto(CSimpleIniA &ini, std::string_view text)
{
    ini.SetUnicode(true);
    ini.SetMultiKey(false);
    ini.SetMultiLine(false);
    ini.LoadData(text.data(), text.size());
}

} // namespace

std::vector<std::optional<std::string>> values(std::string_view text, const std::string &section,
                                               std::span<const char *const> keys)
{
    CSimpleIniA ini;
    loadInto(ini, text);
    std::vector<std::optional<std::string>> found;
    for (const char *key : keys) {
        const char *value = ini.GetValue(section.c_str(), key, nullptr);
        found.push_back(value ? std::optional<std::string>(value) : std::nullopt);
    }
    return found;
}

std::optional<std::string> read(const std::string &path, const std::string &section, const std::string &key)
{
    const SmallFileText file = readSmallFile(path, kMostSettingsBytes);
    if (file.status != SmallFile::Read)
        return std::nullopt;
    const char *const keys[] = {key.c_str()};
    return values(file.text, section, keys).front();
}

void write(const std::string &path, const std::string &section, const std::string &key, const std::string &value)
{
    const std::string folder = parentPath(path).empty() ? "." : parentPath(path);
    if (!FileSystemObject().folderExists(folder))
        throw err::pathNotFound(folder);
    // Only the one entry changes: every other byte of the file stays as it was.
    const std::string data = IniText::setValue(readFileIfExists(path).value_or(std::string()), section, key, value);
    // A settings file that is a link is the user's own set-up: the file it leads to is written.
    atomicReplace(path, data, 0644, LinkAtPath::WriteTarget);
}

} // namespace rnx10::IniFile

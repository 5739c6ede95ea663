#include "services/IniFile.h"

#include "automation/AutomationError.h"
#include "platform/FileIO.h"
#include "platform/FileSystemObject.h"
#include "platform/Paths.h"
#include "services/IniText.h"

#include <SimpleIni.h>

namespace rnx10::IniFile {

namespace {
void loadInto(CSimpleIniA &ini, const std::string &path)
{
    ini.SetUnicode(true);
    ini.SetMultiKey(false);
    ini.SetMultiLine(false);
    ini.LoadFile(path.c_str());
}

} // namespace

std::optional<std::string> read(const std::string &path, const std::string &section, const std::string &key)
{
    CSimpleIniA ini;
    loadInto(ini, path);
    const char *value = ini.GetValue(section.c_str(), key.c_str(), nullptr);
    if (!value)
        return std::nullopt;
    return std::string(value);
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

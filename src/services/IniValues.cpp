#include "services/IniValues.h"

#include "services/EnvironmentKeys.h"
#include "services/IniFileService.h"
#include "services/RuntimeService.h"
#include "services/ServiceSet.h"

namespace rnx10 {

std::string ReadINIValue(const std::string &path, const std::string &section, const std::string &key)
{
    IniFileService &ini = services().iniFile();
    ini.setPath(path);
    ini.setSection(section);
    ini.setKey(key);
    return ini.value();
}

void WriteLogINIValue(const std::string &section, const std::string &key, const std::string &value)
{
    const std::string path = suiteFolderForWriting(services().runtime(), envkey::Logs) + "/bar.ini";
    IniFileService &ini = services().iniFile();
    ini.setPath(path);
    ini.setSection(section);
    ini.setKey(key);
    ini.setValue(value);
}

} // namespace rnx10

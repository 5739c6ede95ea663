#include "services/IniFileService.h"

#include "automation/ObjectRegistry.h"
#include "services/IniFile.h"
#include "services/ProgIds.h"

namespace rnx10 {

namespace {
RegisterObject<IniFileService, IniFileService> registration(progid::IniFile);
}

std::string IniFileService::value() { return IniFile::read(m_path, m_section, m_key).value_or(std::string{}); }

void IniFileService::setValue(const std::string &value) { IniFile::write(m_path, m_section, m_key, value); }

} // namespace rnx10

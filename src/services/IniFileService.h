// The settings-file service: Path, Section and Key name one entry; reading Value reads it,
// setting Value writes it.
#pragma once

#include <string>

namespace rnx10 {

class IniFileService {
public:
    virtual ~IniFileService() = default;

    void setPath(const std::string &path) { m_path = path; }
    void setSection(const std::string &section) { m_section = section; }
    void setKey(const std::string &key) { m_key = key; }
    const std::string &path() const { return m_path; }
    const std::string &section() const { return m_section; }
    const std::string &key() const { return m_key; }

    // The stored text; the empty text when the file, section or key is missing.
    virtual std::string value();
    // Stores the text (see IniFile::write for what may fail).
    virtual void setValue(const std::string &value);

private:
    std::string m_path, m_section, m_key;
};

} // namespace rnx10

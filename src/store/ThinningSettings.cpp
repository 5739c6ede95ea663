#include "store/ThinningSettings.h"

#include "services/IniFile.h"
#include "services/RuntimeService.h"

#include <charconv>
#include <filesystem>
#include <utility>

namespace rnx10 {

namespace {

constexpr const char *kSection = "Thinning";

std::pair<const char *, int ThinningRule::*> const kNumbers[] = {
    {"Within", &ThinningRule::within}, {"Daily", &ThinningRule::daily},     {"Weekly", &ThinningRule::weekly},
    {"Monthly", &ThinningRule::monthly}, {"Yearly", &ThinningRule::yearly},
};

void readNumber(const std::string &file, const char *key, int &value)
{
    const std::optional<std::string> text = IniFile::read(file, kSection, key);
    int read = -1;
    if (text && std::from_chars(text->data(), text->data() + text->size(), read).ptr == text->data() + text->size() &&
        read >= 0)
        value = read;
}

} // namespace

std::string thinningSettingsFile()
{
    return std::filesystem::path(RuntimeService::configurationFile()).parent_path().string() + "/rnx10.ini";
}

ThinningSettings loadThinningSettings()
{
    const std::string file = thinningSettingsFile();
    ThinningSettings settings;
    for (const auto &[key, member] : kNumbers)
        readNumber(file, key, settings.rule.*member);
    settings.afterBackup = IniFile::read(file, kSection, "AfterBackup").value_or("0") == "1";
    return settings;
}

void saveThinningSettings(const ThinningSettings &settings)
{
    const std::string file = thinningSettingsFile();
    std::error_code ignored; // a folder that cannot be made fails the write, which says so
    std::filesystem::create_directories(std::filesystem::path(file).parent_path(), ignored);
    for (const auto &[key, member] : kNumbers)
        IniFile::write(file, kSection, key, std::to_string(settings.rule.*member));
    IniFile::write(file, kSection, "AfterBackup", settings.afterBackup ? "1" : "0");
}

} // namespace rnx10

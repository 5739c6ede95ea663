#include "commands/CommonHelpers.h"

#include "component/ServiceSet.h"
#include "platform/ComputerName.h"
#include "services/IniFileService.h"
#include "services/RuntimeService.h"

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>

#include <cfenv>
#include <cmath>
#include <cstdio>

namespace rnx10 {

std::string GetMachineName() { return computerName(); }

std::string BytesToMBText(double bytes)
{
    const double quotient = bytes / 1048576.0;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", quotient);
    std::string text = buffer;
    // Trailing zeros of the fraction go, as the runtime's general conversion drops them.
    auto exponent = text.find('E');
    std::string mantissa = text.substr(0, exponent);
    std::string rest = exponent == std::string::npos ? "" : text.substr(exponent);
    if (mantissa.find('.') != std::string::npos) {
        while (!mantissa.empty() && mantissa.back() == '0')
            mantissa.pop_back();
        if (!mantissa.empty() && mantissa.back() == '.')
            mantissa.pop_back();
    }
    text = mantissa + rest;
    const QString separator = QLocale::system().decimalPoint();
    if (separator != QStringLiteral("."))
        text = QString::fromStdString(text).replace(QLatin1Char('.'), separator).toStdString();
    return text;
}

std::string roundedMegabytes(std::uint64_t bytes)
{
    bool ok = false;
    double value = QLocale::system().toDouble(QString::fromStdString(BytesToMBText(static_cast<double>(bytes))), &ok);
    if (!ok)
        value = static_cast<double>(bytes) / 1048576.0;
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double whole = std::nearbyint(value);
    std::fesetround(saved);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.0f", whole);
    return buffer;
}

std::string bytesText(std::uint64_t bytes) { return std::to_string(bytes) + " Bytes"; }

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
    const std::string path = services().runtime().EnvironGet(2, "ZVENVSLOGS") + "/bar.ini";
    IniFileService &ini = services().iniFile();
    ini.setPath(path);
    ini.setSection(section);
    ini.setKey(key);
    ini.setValue(value);
}

std::string generalDateText()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    const QString date = locale.toString(now.date(), QLocale::ShortFormat);
    if (now.time() == QTime(0, 0))
        return date.toStdString();
    // The long time without a time-zone name, as the general date form shows it.
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("\\s*t+\\s*"))).replace(QStringLiteral("  "), QStringLiteral(" "));
    return (date + QLatin1Char(' ') + locale.toString(now.time(), format.trimmed())).toStdString();
}

} // namespace rnx10

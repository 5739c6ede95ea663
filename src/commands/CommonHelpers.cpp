#include "commands/CommonHelpers.h"

#include "component/ServiceSet.h"
#include "platform/ComputerName.h"
#include "services/IniFileService.h"
#include "services/RuntimeService.h"

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>

#include <cfenv>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace rnx10 {

std::string GetMachineName() { return computerName(); }

std::string BytesToMBText(double bytes)
{
    // to_chars, unlike printf, ignores the C library's locale: the separator is put in below
    // from the user's locale, whatever the process's LC_NUMERIC says. The general form already
    // drops trailing zeros.
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, bytes / 1048576.0, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    for (char &c : text)
        if (c == 'e')
            c = 'E';
    const QString separator = QLocale().decimalPoint();
    if (separator != QStringLiteral("."))
        text = QString::fromStdString(text).replace(QLatin1Char('.'), separator).toStdString();
    return text;
}

std::string roundedMegabytes(std::uint64_t bytes)
{
    bool ok = false;
    double value = QLocale().toDouble(QString::fromStdString(BytesToMBText(static_cast<double>(bytes))), &ok);
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

namespace {
// The locale's short date with the year in full, as the desktop's general date shows it.
QString shortDateFormat(const QLocale &locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return format;
}
} // namespace

std::string generalDateText() { return generalDateText(QDateTime::currentDateTime()); }

std::string generalDateText(const QDateTime &when)
{
    const QLocale locale = QLocale();
    const QString date = locale.toString(when.date(), shortDateFormat(locale));
    // Whole seconds, as the clock is shown: 00:00:00.250 is midnight too.
    const QTime time = when.time();
    if (time.hour() == 0 && time.minute() == 0 && time.second() == 0)
        return date.toStdString();
    // The long time without a time-zone name, as the general date form shows it.
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("\\s*t+\\s*"))).replace(QStringLiteral("  "), QStringLiteral(" "));
    return (date + QLatin1Char(' ') + locale.toString(time, format.trimmed())).toStdString();
}

} // namespace rnx10

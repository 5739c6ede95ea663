#include "common/GeneralDate.h"

#include <QDateTime>
#include <QLocale>
#include <QRegularExpression>

namespace rnx10 {

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

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

// The locale's long time without its time-zone name, as the general date form shows it. The
// zone goes with what only framed it: brackets left around nothing, a separator left at an end.
// "B", a day period the locale data has and the formatter does not know, becomes AM/PM.
// Quoted text is the locale's own and stays as it is.
QString timeFormatWithoutZone(const QLocale &locale)
{
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString kept;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (!quoted && c == QLatin1Char('t'))
            continue;
        if (!quoted && c == QLatin1Char('B'))
            kept += QStringLiteral("AP");
        else
            kept += c;
    }
    static const QRegularExpression emptyBrackets(QStringLiteral("\\(\\s*\\)|\\[\\s*\\]|\\{\\s*\\}|\\x{FF08}\\s*\\x{FF09}"));
    static const QRegularExpression looseEnds(QStringLiteral("^[\\s,;\\x{060C}\\x{FF0C}]+|[\\s,;\\x{060C}\\x{FF0C}]+$"));
    static const QRegularExpression blanks(QStringLiteral("\\s{2,}"));
    kept.remove(emptyBrackets).remove(looseEnds).replace(blanks, QStringLiteral(" "));
    return kept;
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
    return (date + QLatin1Char(' ') + locale.toString(time, timeFormatWithoutZone(locale))).toStdString();
}

} // namespace rnx10

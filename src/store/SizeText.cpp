#include "store/SizeText.h"

#include "platform/Translation.h"

#include <QLocale>
#include <QString>

#include <cfenv>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace rnx10 {

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

// Shown in the browser: its texts' context.
std::string bytesText(std::uint64_t bytes) { return fillIn(tx("rnx10::frmBackUpRestoreA", "%1 Bytes"), {std::to_string(bytes)}); }

std::string sizeCaptionText(std::uint64_t bytes)
{
    return fillIn(tx("rnx10::frmBackUpRestoreA", "Size : %1 MB"), {roundedMegabytes(bytes)});
}

} // namespace rnx10

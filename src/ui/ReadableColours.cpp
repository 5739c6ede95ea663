#include "ui/ReadableColours.h"

#include <QPalette>

#include <algorithm>
#include <cmath>

namespace rnx10 {

namespace {
double channel(double value)
{
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

} // namespace

double relativeLuminance(const QColor &colour)
{
    const QColor c = colour.toRgb();
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor &preferred, const QColor &background, double minimum)
{
    if (contrastRatio(preferred, background) >= minimum)
        return preferred;
    // Against black or white whichever stands out more; step the lightness towards it.
    const bool lighten = contrastRatio(Qt::white, background) > contrastRatio(Qt::black, background);
    float hue, saturation, lightness, alpha;
    preferred.getHslF(&hue, &saturation, &lightness, &alpha);
    QColor candidate = preferred;
    for (int step = 1; step <= 50 && contrastRatio(candidate, background) < minimum; ++step) {
        const float l = lighten ? lightness + (1 - lightness) * step / 50.0f : lightness * (1 - step / 50.0f);
        candidate = QColor::fromHslF(hue, saturation, std::clamp(l, 0.0f, 1.0f), alpha);
    }
    return candidate;
}

QColor readableTextOn(const QColor &background, const QPalette &palette)
{
    for (const QColor &own : {palette.color(QPalette::ButtonText), palette.color(QPalette::WindowText)})
        if (contrastRatio(own, background) >= kReadableContrast)
            return own;
    const QColor black(Qt::black), white(Qt::white);
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

} // namespace rnx10

#include "ui/Contrast.h"

#include <QPalette>

#include <cmath>

namespace rnx10 {

namespace {
double channel(double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); }

QColor mix(const QColor &from, const QColor &to, double t)
{
    return QColor::fromRgbF(static_cast<float>(from.redF() + (to.redF() - from.redF()) * t),
                            static_cast<float>(from.greenF() + (to.greenF() - from.greenF()) * t),
                            static_cast<float>(from.blueF() + (to.blueF() - from.blueF()) * t));
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

QColor readableTextOn(const QColor &background, const QPalette &palette)
{
    for (const QColor &own : {palette.color(QPalette::ButtonText), palette.color(QPalette::WindowText)})
        if (contrastRatio(own, background) >= kReadableContrast)
            return own;
    const QColor black(Qt::black), white(Qt::white);
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

QColor readableVariant(const QColor &wanted, const QColor &background)
{
    if (contrastRatio(wanted, background) >= kReadableContrast)
        return wanted;
    // Towards the end that contrasts more with the background, in small steps, keeping the hue.
    const QColor end = contrastRatio(Qt::black, background) >= contrastRatio(Qt::white, background) ? QColor(Qt::black)
                                                                                                      : QColor(Qt::white);
    for (int step = 1; step <= 20; ++step) {
        const QColor candidate = mix(wanted, end, step / 20.0);
        if (contrastRatio(candidate, background) >= kReadableContrast)
            return candidate;
    }
    return end;
}

} // namespace rnx10

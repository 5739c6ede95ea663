// Colours that stay readable on a background, light or dark (WCAG contrast).
#pragma once

#include <QColor>

namespace rnx10 {

// The contrast ratio of two colours as WCAG defines it: 1 (same) to 21 (black on white).
double contrastRatio(const QColor &a, const QColor &b);

// The text and line contrast WCAG AA asks for.
inline constexpr double kReadableContrast = 4.5;

// preferred as it is when it reaches minimum against background; else made lighter (on a dark
// background) or darker (on a light one), its hue kept, just as far as needed.
QColor readableOn(const QColor &preferred, const QColor &background, double minimum = kReadableContrast);

} // namespace rnx10

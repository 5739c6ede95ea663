// Colours that stay readable on a background, light or dark (WCAG contrast).
#pragma once

#include <QColor>

class QPalette;

namespace rnx10 {

// Relative luminance of an opaque colour, 0 (black) to 1 (white).
double relativeLuminance(const QColor &colour);

// The contrast ratio of two colours as WCAG defines it: 1 (same) to 21 (black on white).
double contrastRatio(const QColor &a, const QColor &b);

// The text and line contrast WCAG AA asks for.
inline constexpr double kReadableContrast = 4.5;

// preferred as it is when it reaches minimum against background; else made lighter (on a dark
// background) or darker (on a light one), its hue kept, just as far as needed.
QColor readableOn(const QColor &preferred, const QColor &background, double minimum = kReadableContrast);

// A text colour for background: the palette's own button or window text when that is readable on
// it, else black or white, whichever contrasts more.
QColor readableTextOn(const QColor &background, const QPalette &palette);

} // namespace rnx10

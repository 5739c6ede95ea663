// Contrast between colours as the web accessibility guidelines measure it, and text colours
// chosen to stay readable on a given background.
#pragma once

#include <QColor>

class QPalette;

namespace rnx10 {

// The least ratio normal text needs against its background (level AA).
inline constexpr double kReadableContrast = 4.5;

// Relative luminance of an opaque colour, 0 (black) to 1 (white).
double relativeLuminance(const QColor &colour);
// (L1 + 0.05) / (L2 + 0.05) of the lighter over the darker: 1 to 21.
double contrastRatio(const QColor &a, const QColor &b);

// A text colour for background: the palette's own button or window text when that is readable on
// it, else black or white, whichever contrasts more.
QColor readableTextOn(const QColor &background, const QPalette &palette);

// wanted, made lighter or darker just enough to be readable on background (wanted itself when it is).
QColor readableVariant(const QColor &wanted, const QColor &background);

} // namespace rnx10

// How a window looks: a dark palette to show it with, what its rendering shows measured on the
// pixels (the background of an area, how strongly the rest contrasts with it), and screenshots
// for review.
#pragma once

#include <QColor>
#include <QImage>
#include <QPalette>
#include <QRect>

#include <string>

class QWidget;

namespace rnx10::test {

// A dark palette such as dark desktop themes use: light text on dark grey.
QPalette darkPalette();
// Makes palette the application's for a scope, and the one before it again at its end.
class ScopedPalette {
public:
    explicit ScopedPalette(const QPalette &palette);
    ~ScopedPalette();
    ScopedPalette(const ScopedPalette &) = delete;
    ScopedPalette &operator=(const ScopedPalette &) = delete;

private:
    QPalette m_before;
};

// The widget as it is drawn now, at the widget's device pixel ratio.
QImage rendered(QWidget *widget);

// The colour most pixels of area (logical coordinates; the whole image when empty) have.
QColor dominantColour(const QImage &image, const QRect &area = {});
// The highest contrast ratio any pixel of area has against background.
double strongestContrast(const QImage &image, const QColor &background, const QRect &area = {});
// How a picture's outline stands out: in each row, the strongest contrast against background of
// the first two pixels, from the left, that differ from it visibly; the median over those rows.
double outlineContrast(const QImage &image, const QColor &background);

// Writes widget as build/screenshots/<name>.png; returns the path.
std::string writeScreenshot(QWidget *widget, const std::string &name);

} // namespace rnx10::test

// What the desktop tests measure on a window: accessible names, the Tab chain, and contrast and
// sharpness on the rendered image (dark palette and the plain measures: support/Appearance.h).
#pragma once

#include "support/Appearance.h"

#include <QColor>
#include <QImage>

#include <string>
#include <vector>

class QWidget;

namespace rnx10::test {

// True for a part of a composite control inside window (a combo box's list, a view's scroll bars
// and corner button): a screen reader and a look take it with its control.
bool innerPart(QWidget *widget, QWidget *window);

// The controls of window a screen reader announces without a name: every visible widget but
// plain containers, separators and the inner parts of composite controls (a combo box's list, a
// view's scroll bars). Each as "objectName (class)".
std::vector<std::string> unnamedControls(QWidget *window);

// The controls of window with a tooltip whose accessible description is empty.
std::vector<std::string> undescribedControls(QWidget *window);

// Object names of the widgets Tab reaches from `from` on, count of them, in order.
std::vector<std::string> tabChain(QWidget *from, int count);

// The widget as painted on a device of that pixel ratio (its window's background included).
QImage rendered(QWidget *widget, qreal devicePixelRatio);

// Of the picture's outline (pixels next to the background colour), the share whose closest
// pixels (within a radius) reach minimum contrast with the background.
double readableOutlineShare(const QImage &image, const QColor &background, double minimum, int radius);

// Of the 2x2 blocks of an image rendered at ratio 2, how many are not of one colour: none for a
// picture scaled up from ratio 1, many for one painted at 2.
int detailedBlocks(const QImage &atTwo);

} // namespace rnx10::test

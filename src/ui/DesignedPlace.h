// Controls placed by position rather than by a layout: each keeps its designed, left-to-right
// place, and is shown at it, or at its mirror image in a right-to-left window (as a layout would).
#pragma once

#include <QRect>

class QWidget;

namespace rnx10 {

// Gives widget its designed place in its parent and shows it there for the parent's direction.
void setDesignedGeometry(QWidget *widget, const QRect &designed);

// The designed place given last (the geometry, for a widget never given one).
QRect designedGeometry(const QWidget *widget);

// Shows every child of parent that has a designed place there again: after the parent's width
// or direction changed.
void showDesignedPlaces(QWidget *parent);

} // namespace rnx10

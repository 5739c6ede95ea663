// The browser's pictures, painted in code at whatever size and device pixel ratio they are shown:
// the locker, the small list picture, the archive icon, the list's background and the window icon.
// Their outlines take the palette's text colours, so that they stand out on light and dark windows.
#pragma once

#include <QIcon>
#include <QPixmap>

class QPainter;
class QPalette;

namespace rnx10::pictures {

// A steel safe in the top of area, leaving a strip below it free.
void paintLocker(QPainter &painter, const QRectF &area, const QPalette &palette);
// A folder with a back-up arrow filling a size-by-size square at the top left of area.
void paintSmall(QPainter &painter, const QRectF &area, const QPalette &palette, double size);
// The archive folder icon of the list, painted afresh for each size asked for.
QIcon archive();
// One tile of the list's background: a faint grid on the palette's base colour.
QPixmap listBackground(const QPalette &palette, qreal devicePixelRatio);
QIcon window();

} // namespace rnx10::pictures

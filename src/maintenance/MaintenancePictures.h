// The maintenance dialog's pictures, painted in code at any device pixel ratio; their outlines
// stay readable on the palette's window colour.
#pragma once

#include <QSize>

class QPainter;
class QPalette;

namespace rnx10 {

inline constexpr QSize kMaintenancePictureSize{48, 48};

// A folder with a written log sheet in it.
void paintLogFolder(QPainter &p, const QPalette &palette);
// A disk drive with an arrow going into it.
void paintBackup(QPainter &p, const QPalette &palette);

} // namespace rnx10

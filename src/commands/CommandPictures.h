// The fixed pictures of the command windows, painted in code so no image files need shipping and
// they stay sharp at any device pixel ratio.
#pragma once

#include <QSize>

class QIcon;
class QPainter;
class QPalette;

namespace rnx10 {

// The whole content of the updates notice window: its own background and texts, whatever the
// palette.
inline constexpr QSize kUpdatesPictureSize{480, 280};
void paintUpdatesPicture(QPainter &p, const QPalette &palette);

// The registry navigator's window icon, at 16 to 64 pixels.
QIcon registryIcon();

} // namespace rnx10

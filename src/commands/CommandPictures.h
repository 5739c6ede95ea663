// The fixed pictures of the command windows, painted in code so no image files need shipping.
#pragma once

class QIcon;
class QPixmap;

namespace rnx10 {

// The whole content of the updates notice window.
QPixmap updatesPicture();

// The registry navigator's window icon.
QIcon registryIcon();

} // namespace rnx10

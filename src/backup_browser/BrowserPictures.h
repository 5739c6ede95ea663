// The browser's pictures, painted in code: the locker, the small list picture, the archive
// icon, the list's background and the window icon.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace rnx10::pictures {

QPixmap locker(const QSize &size);
QPixmap small(const QSize &size);
QIcon archive();
QPixmap listBackground();
QIcon window();

} // namespace rnx10::pictures

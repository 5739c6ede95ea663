// The maintenance dialog's pictures, painted in code.
#pragma once

#include <QPixmap>

namespace rnx10 {

// A folder with a written log sheet in it.
QPixmap logFolderPicture();
// A disk drive with an arrow going into it.
QPixmap backupPicture();

} // namespace rnx10

#include "backup_browser/PictureLabel.h"

namespace rnx10 {

void PictureLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    QLabel::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

} // namespace rnx10

#include "ui/ClickablePicture.h"

#include <QMouseEvent>

namespace rnx10 {

ClickablePicture::ClickablePicture(const QPixmap &picture, QWidget *parent) : QLabel(parent)
{
    setPixmap(picture);
    setFixedSize(picture.size());
}

void ClickablePicture::mouseDoubleClickEvent(QMouseEvent *event)
{
    QLabel::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

} // namespace rnx10

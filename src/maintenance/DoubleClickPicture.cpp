#include "maintenance/DoubleClickPicture.h"

#include <QMouseEvent>

namespace rnx10 {

DoubleClickPicture::DoubleClickPicture(const QPixmap &picture, QWidget *parent) : QLabel(parent)
{
    setPixmap(picture);
    setFixedSize(picture.size());
}

void DoubleClickPicture::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}

} // namespace rnx10

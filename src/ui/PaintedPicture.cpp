#include "ui/PaintedPicture.h"

#include <QEvent>
#include <QPainter>

namespace rnx10 {

QPixmap paintedPixmap(QSize size, const PicturePainter &paint, const QPalette &palette, qreal devicePixelRatio)
{
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter, palette);
    return pixmap;
}

PaintedPicture::PaintedPicture(QSize size, PicturePainter paint, QWidget *parent)
    : QLabel(parent), m_paint(std::move(paint))
{
    setPixmap(paintedPixmap(size, m_paint, palette()));
    setFixedSize(size);
}

void PaintedPicture::paintEvent(QPaintEvent *)
{
    // Painted, not the pixmap scaled: sharp at whatever ratio the painter has.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    m_paint(painter, palette());
}

void PaintedPicture::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        setPixmap(paintedPixmap(size(), m_paint, palette()));
}

} // namespace rnx10

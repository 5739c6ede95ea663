#include "ui/PaintedPicture.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

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

PictureButton::PictureButton(QSize size, PicturePainter paint, QWidget *parent)
    : QAbstractButton(parent), m_size(size), m_paint(std::move(paint))
{
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(sizeHint());
    connect(this, &QAbstractButton::clicked, this, &PictureButton::activated);
}

QSize PictureButton::sizeHint() const { return m_size + QSize(4, 4); }

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.save();
    painter.translate(2, 2); // room for the focus frame
    m_paint(painter, palette());
    painter.restore();
    if (hasFocus()) {
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.backgroundColor = palette().color(QPalette::Window);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
    }
}

// A single click never acts: the picture answers a double click, as it always has.
void PictureButton::mousePressEvent(QMouseEvent *event) { event->accept(); }

void PictureButton::mouseReleaseEvent(QMouseEvent *event) { event->accept(); }

void PictureButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton)
        click();
}

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace rnx10

#include "backup_browser/BrowserPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace rnx10::pictures {

namespace {
QPixmap transparent(const QSize &size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A steel safe: body, door, dial and handle, drawn inside rect.
void paintSafe(QPainter &p, const QRectF &rect)
{
    QLinearGradient steel(rect.topLeft(), rect.bottomRight());
    steel.setColorAt(0, QColor(0x9a, 0xa8, 0xb8));
    steel.setColorAt(1, QColor(0x4a, 0x56, 0x66));
    p.setPen(QPen(QColor(0x2a, 0x32, 0x3c), rect.width() / 60));
    p.setBrush(steel);
    p.drawRoundedRect(rect, rect.width() / 14, rect.width() / 14);
    const QRectF door = rect.adjusted(rect.width() * 0.09, rect.height() * 0.08, -rect.width() * 0.09, -rect.height() * 0.14);
    p.setBrush(QColor(0x6c, 0x7a, 0x8c));
    p.drawRoundedRect(door, rect.width() / 24, rect.width() / 24);
    const double r = door.width() * 0.2;
    const QPointF centre = door.center();
    p.setBrush(QColor(0xd8, 0xc0, 0x60));
    p.drawEllipse(centre, r, r);
    p.setBrush(QColor(0x3a, 0x42, 0x4c));
    p.drawEllipse(centre, r * 0.35, r * 0.35);
    for (int i = 0; i < 12; ++i) {
        p.save();
        p.translate(centre);
        p.rotate(i * 30);
        p.drawLine(QPointF(0, -r * 0.7), QPointF(0, -r * 0.95));
        p.restore();
    }
    p.setBrush(QColor(0xb0, 0xb8, 0xc4));
    p.drawRoundedRect(QRectF(door.right() - door.width() * 0.16, centre.y() - door.height() * 0.18, door.width() * 0.07,
                             door.height() * 0.36), 3, 3);
    p.setBrush(QColor(0x2a, 0x32, 0x3c));
    const double foot = rect.width() * 0.14;
    p.drawRect(QRectF(rect.left() + foot * 0.6, rect.bottom() - rect.height() * 0.06, foot, rect.height() * 0.06));
    p.drawRect(QRectF(rect.right() - foot * 1.6, rect.bottom() - rect.height() * 0.06, foot, rect.height() * 0.06));
}

// A folder with a green back-up arrow.
void paintArchive(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(QColor(0x8a, 0x6a, 0x1a), r.width() / 32));
    p.setBrush(QColor(0xf0, 0xc8, 0x50));
    QPainterPath folder;
    folder.moveTo(r.left(), r.top() + r.height() * 0.2);
    folder.lineTo(r.left() + r.width() * 0.4, r.top() + r.height() * 0.2);
    folder.lineTo(r.left() + r.width() * 0.5, r.top() + r.height() * 0.3);
    folder.lineTo(r.right(), r.top() + r.height() * 0.3);
    folder.lineTo(r.right(), r.bottom());
    folder.lineTo(r.left(), r.bottom());
    folder.closeSubpath();
    p.drawPath(folder);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2e, 0x9a, 0x3e));
    const QPointF c(r.center().x(), r.top() + r.height() * 0.65);
    const double s = r.width() * 0.22;
    p.drawEllipse(c, s, s);
    p.setBrush(Qt::white);
    QPolygonF arrow;
    arrow << QPointF(c.x(), c.y() - s * 0.7) << QPointF(c.x() + s * 0.55, c.y()) << QPointF(c.x() + s * 0.2, c.y())
          << QPointF(c.x() + s * 0.2, c.y() + s * 0.6) << QPointF(c.x() - s * 0.2, c.y() + s * 0.6)
          << QPointF(c.x() - s * 0.2, c.y()) << QPointF(c.x() - s * 0.55, c.y());
    p.drawPolygon(arrow);
}
} // namespace

QPixmap locker(const QSize &size)
{
    QPixmap pixmap = transparent(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double side = std::min(size.width(), size.height()) * 0.8;
    paintSafe(p, QRectF((size.width() - side) / 2, (size.height() - side) / 2 - size.height() * 0.06, side, side));
    return pixmap;
}

QPixmap small(const QSize &size)
{
    QPixmap pixmap = transparent(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    paintArchive(p, QRectF(QPointF(0, 0), size).adjusted(2, 2, -2, -2));
    return pixmap;
}

QIcon archive()
{
    QIcon icon;
    for (int side : {16, 32, 48})
        icon.addPixmap(small(QSize(side, side)));
    return icon;
}

QPixmap listBackground()
{
    QPixmap pixmap(64, 64);
    pixmap.fill(QColor(0xfb, 0xfc, 0xff));
    QPainter p(&pixmap);
    p.setPen(QColor(0xee, 0xf1, 0xf8));
    for (int x = 0; x < 64; x += 16)
        p.drawLine(x, 0, x, 63);
    for (int y = 0; y < 64; y += 16)
        p.drawLine(0, y, 63, y);
    return pixmap;
}

QIcon window()
{
    QIcon icon;
    for (int side : {16, 32, 64}) {
        QPixmap pixmap = transparent(QSize(side, side));
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        paintSafe(p, QRectF(1, 1, side - 2, side - 2));
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace rnx10::pictures

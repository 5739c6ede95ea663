#include "store_views/BrowserPictures.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

#include <algorithm>
#include <functional>

namespace rnx10::pictures {

namespace {
const QColor kInnerLine(0x2a, 0x32, 0x3c);

QColor mix(const QColor &from, const QColor &to, double t)
{
    return QColor::fromRgbF(static_cast<float>(from.redF() + (to.redF() - from.redF()) * t),
                            static_cast<float>(from.greenF() + (to.greenF() - from.greenF()) * t),
                            static_cast<float>(from.blueF() + (to.blueF() - from.blueF()) * t));
}

// A steel safe: body, door, dial and handle, drawn inside rect. Its outline and feet, which meet
// the background, take outline; the lines on the steel keep their own dark colour.
void paintSafe(QPainter &p, const QRectF &rect, const QColor &outline)
{
    QLinearGradient steel(rect.topLeft(), rect.bottomRight());
    steel.setColorAt(0, QColor(0x9a, 0xa8, 0xb8));
    steel.setColorAt(1, QColor(0x4a, 0x56, 0x66));
    const double line = std::max(1.0, rect.width() / 60);
    p.setPen(QPen(outline, line));
    p.setBrush(steel);
    p.drawRoundedRect(rect, rect.width() / 14, rect.width() / 14);
    const double foot = rect.width() * 0.14;
    p.setBrush(kInnerLine);
    p.drawRect(QRectF(rect.left() + foot * 0.6, rect.bottom() - rect.height() * 0.06, foot, rect.height() * 0.06));
    p.drawRect(QRectF(rect.right() - foot * 1.6, rect.bottom() - rect.height() * 0.06, foot, rect.height() * 0.06));
    p.setPen(QPen(kInnerLine, line));
    const QRectF door = rect.adjusted(rect.width() * 0.09, rect.height() * 0.08, -rect.width() * 0.09, -rect.height() * 0.14);
    p.setBrush(QColor(0x6c, 0x7a, 0x8c));
    p.drawRoundedRect(door, rect.width() / 24, rect.width() / 24);
    const double r = door.width() * 0.2;
    const QPointF centre = door.center();
    p.setBrush(QColor(0xd8, 0xc0, 0x60));
    p.drawEllipse(centre, r, r);
    p.setBrush(kInnerLine);
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
}

// A folder with a green back-up arrow, outlined in outline.
void paintArchive(QPainter &p, const QRectF &r, const QColor &outline)
{
    p.setPen(QPen(outline, std::max(1.5, r.width() / 32)));
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

// An icon painted at each size and device pixel ratio it is asked for, never scaled from another.
class PaintedIconEngine : public QIconEngine {
public:
    using Paint = std::function<void(QPainter &, const QRectF &)>;
    explicit PaintedIconEngine(Paint paint) : m_paint(std::move(paint)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        m_paint(*painter, QRectF(rect));
        painter->restore();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    // Sizes offered to those that pick one (the desktop's window icon); any other is painted too.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(64, 64), QSize(128, 128)};
    }

    QIconEngine *clone() const override { return new PaintedIconEngine(m_paint); }

private:
    Paint m_paint;
};
} // namespace

void paintLocker(QPainter &p, const QRectF &area, const QPalette &palette)
{
    // The safe keeps to the top of the area; the strip below it stays empty.
    const QRectF picture(area.topLeft(), area.size() - QSizeF(0, 40));
    const double side = std::min(picture.width(), picture.height()) * 0.8;
    paintSafe(p,
              QRectF(picture.left() + (picture.width() - side) / 2,
                     picture.top() + (picture.height() - side) / 2 - picture.height() * 0.06, side, side),
              palette.color(QPalette::WindowText));
}

void paintSmall(QPainter &p, const QRectF &area, const QPalette &palette, double size)
{
    paintArchive(p, QRectF(area.topLeft(), QSizeF(size, size)).adjusted(2, 2, -2, -2), palette.color(QPalette::WindowText));
}

QIcon archive()
{
    // The icon stands on the list's base colour.
    return QIcon(new PaintedIconEngine([](QPainter &p, const QRectF &rect) {
        paintArchive(p, rect.adjusted(2, 2, -2, -2), QGuiApplication::palette().color(QPalette::Text));
    }));
}

QPixmap listBackground(const QPalette &palette, qreal devicePixelRatio)
{
    // A touch of blue in the base colour, and a faint grid of it: the list's own texture, which
    // keeps the palette's base brightness so that the palette's text stays readable on it.
    const QColor base = palette.color(QPalette::Base);
    const QColor tint(0x30, 0x60, 0xc0);
    QPixmap pixmap(QSize(64, 64) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(mix(base, tint, 0.015));
    QPainter p(&pixmap);
    p.setPen(QPen(mix(base, tint, 0.08), 0));
    for (int x = 0; x < 64; x += 16)
        p.drawLine(QPointF(x, 0), QPointF(x, 64));
    for (int y = 0; y < 64; y += 16)
        p.drawLine(QPointF(0, y), QPointF(64, y));
    return pixmap;
}

QIcon window()
{
    return QIcon(new PaintedIconEngine(
        [](QPainter &p, const QRectF &rect) { paintSafe(p, rect.adjusted(1, 1, -1, -1), kInnerLine); }));
}

} // namespace rnx10::pictures

#include "commands/CommandPictures.h"

#include <QCoreApplication>
#include <QIcon>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>

namespace rnx10 {

namespace {
const QColor kDeepBlue(18, 52, 102);
const QColor kLightBlue(74, 144, 217);
const QColor kAccent(255, 196, 61);

// Two arcs with arrow heads: the usual sign for "refresh / update".
void paintRefreshSign(QPainter &p, const QPointF &centre, qreal radius)
{
    QPen pen(kAccent, radius / 4, Qt::SolidLine, Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    p.drawArc(box, 30 * 16, 120 * 16);
    p.drawArc(box, 210 * 16, 120 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    const qreal h = radius / 2.2;
    for (int side : {1, -1}) {
        const QPointF tip(centre.x() - side * radius * 0.87, centre.y() - side * radius * 0.5);
        QPainterPath head;
        head.moveTo(tip + QPointF(-h * 0.7 * side, -h * 0.2 * side));
        head.lineTo(tip + QPointF(h * 0.7 * side, -h * 0.2 * side));
        head.lineTo(tip + QPointF(0, h * 0.8 * side));
        head.closeSubpath();
        p.drawPath(head);
    }
}
} // namespace

void paintUpdatesPicture(QPainter &p, const QPalette &)
{
    const QRect picture(QPoint(0, 0), kUpdatesPictureSize);
    QLinearGradient sky(0, 0, 0, picture.height());
    sky.setColorAt(0, kLightBlue);
    sky.setColorAt(1, kDeepBlue);
    p.fillRect(picture, sky);
    paintRefreshSign(p, QPointF(96, 120), 52);

    p.setPen(Qt::white);
    QFont title(QStringLiteral("Verdana"), 22, QFont::Bold);
    p.setFont(title);
    p.drawText(QRectF(176, 70, 290, 44), Qt::AlignLeft | Qt::AlignVCenter,
               QCoreApplication::translate("rnx10::frmupdatesA", "Zorvane Updates"));
    QFont body(QStringLiteral("Verdana"), 10);
    p.setFont(body);
    p.drawText(QRectF(176, 118, 290, 60), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               QCoreApplication::translate("rnx10::frmupdatesA",
                                           "New versions of the Zorvane suite are announced on the downloads page."));
    p.fillRect(QRectF(0, picture.height() - 36, picture.width(), 36), QColor(0, 0, 0, 70));
    p.setPen(QColor(220, 230, 245));
    // The product's name: the same in every language.
    p.drawText(QRectF(16, picture.height() - 36, picture.width() - 32, 36), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Zorvane Support Center"));
}

QIcon registryIcon()
{
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(side / 32.0, side / 32.0);
        // Three stacked blocks: a key tree at a glance.
        const QColor blocks[] = {kLightBlue, kDeepBlue, kAccent};
        for (int i = 0; i < 3; ++i) {
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(blocks[i]);
            p.drawRoundedRect(QRectF(3 + i * 5, 3 + i * 9, 20, 9), 2, 2);
        }
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace rnx10

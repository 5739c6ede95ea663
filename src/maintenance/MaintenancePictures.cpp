#include "maintenance/MaintenancePictures.h"

#include "ui/ReadableColours.h"

#include <QPainter>
#include <QPainterPath>
#include <QPalette>

namespace rnx10 {

namespace {
// An outline that stands out from the window behind the picture, with room for a tab page or a
// frame drawn a shade off the window's colour.
QPen outline(const QColor &preferred, const QPalette &palette)
{
    return QPen(readableOn(preferred, palette.color(QPalette::Window), kReadableContrast + 2.5), 1);
}

void paintFolderBack(QPainter &p, const QPalette &palette)
{
    p.setPen(outline(QColor(170, 120, 20), palette));
    p.setBrush(QColor(235, 180, 50));
    QPainterPath back;
    back.moveTo(4, 12);
    back.lineTo(16, 12);
    back.lineTo(20, 16);
    back.lineTo(44, 16);
    back.lineTo(44, 42);
    back.lineTo(4, 42);
    back.closeSubpath();
    p.drawPath(back);
}

void paintSheet(QPainter &p, const QPalette &palette)
{
    p.setPen(outline(QColor(130, 130, 130), palette)); // the sheet stands out above the folder
    p.setBrush(Qt::white);
    p.drawRect(QRectF(12.5, 5.5, 24, 28));
    p.setPen(QPen(QColor(40, 90, 170), 1.5));
    for (int y = 11; y <= 27; y += 4)
        p.drawLine(QPointF(16, y), QPointF(y % 8 ? 33 : 29, y));
}

void paintFolderFront(QPainter &p, const QPalette &palette)
{
    p.setPen(outline(QColor(170, 120, 20), palette));
    p.setBrush(QColor(250, 205, 90));
    QPainterPath front;
    front.moveTo(2, 24);
    front.lineTo(42, 24);
    front.lineTo(46, 20);
    front.lineTo(44, 42);
    front.lineTo(4, 42);
    front.closeSubpath();
    p.drawPath(front);
}

void paintDrive(QPainter &p, const QPalette &palette)
{
    p.setPen(outline(QColor(70, 70, 80), palette));
    p.setBrush(QColor(150, 155, 165));
    p.drawRoundedRect(QRectF(4.5, 28.5, 39, 14), 3, 3);
    p.setBrush(QColor(110, 115, 125));
    p.drawRect(QRectF(8.5, 33.5, 22, 4));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 200, 80));
    p.drawEllipse(QPointF(37, 35.5), 2, 2);
}

void paintArrow(QPainter &p, const QPalette &palette)
{
    p.setPen(outline(QColor(20, 110, 40), palette));
    p.setBrush(QColor(50, 170, 70));
    QPainterPath arrow;
    arrow.moveTo(19, 3);
    arrow.lineTo(29, 3);
    arrow.lineTo(29, 14);
    arrow.lineTo(36, 14);
    arrow.lineTo(24, 26);
    arrow.lineTo(12, 14);
    arrow.lineTo(19, 14);
    arrow.closeSubpath();
    p.drawPath(arrow);
}
} // namespace

void paintLogFolder(QPainter &p, const QPalette &palette)
{
    paintFolderBack(p, palette);
    paintSheet(p, palette);
    paintFolderFront(p, palette);
}

void paintBackup(QPainter &p, const QPalette &palette)
{
    paintDrive(p, palette);
    paintArrow(p, palette);
}

} // namespace rnx10

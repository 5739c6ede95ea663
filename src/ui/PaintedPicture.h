// Pictures painted in code, as widgets that paint them afresh at every repaint: sharp at any
// device pixel ratio, and able to take their line colours from the palette. A picture that acts
// as a button is an ActionPicture (ui/ActionPicture.h).
#pragma once

#include <QLabel>

#include <functional>

namespace rnx10 {

// Paints a picture into the rectangle (0, 0, size) in logical pixels.
using PicturePainter = std::function<void(QPainter &painter, const QPalette &palette)>;

// The picture at a fixed size, painted into a pixmap at a device pixel ratio.
QPixmap paintedPixmap(QSize size, const PicturePainter &paint, const QPalette &palette, qreal devicePixelRatio = 1);

// A picture that only shows: a label holding the picture (so screen readers see a graphic).
class PaintedPicture : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PaintedPicture)

public:
    PaintedPicture(QSize size, PicturePainter paint, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    PicturePainter m_paint;
};

} // namespace rnx10

// Pictures painted in code, as widgets that paint them afresh at every repaint: sharp at any
// device pixel ratio, and able to take their line colours from the palette.
#pragma once

#include <QAbstractButton>
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

// A picture that acts as a button: a double click, Space or Enter with the focus on it, and a
// screen reader's press all emit activated(); a single click only gives it the focus.
class PictureButton : public QAbstractButton {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PictureButton)

public:
    PictureButton(QSize size, PicturePainter paint, QWidget *parent = nullptr);
    QSize sizeHint() const override;

signals:
    void activated();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QSize m_size;
    PicturePainter m_paint;
};

} // namespace rnx10

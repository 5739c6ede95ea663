// A picture painted in code each time it is shown, so that it is sharp at any device pixel ratio
// and takes its colours from the palette it is shown with. Given an action it acts as a button:
// a double click with the left button, or Enter, Return or Space while it has the keyboard focus,
// sends activated(), and assistive technology sees a button named for what it does. A single
// click only gives it the focus. The one clickable picture: the browser's and the maintenance
// dialog's pictures both are these.
#pragma once

#include <QWidget>

#include <functional>

class QPainter;

namespace rnx10 {

class ActionPicture : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ActionPicture)

public:
    // Paints the picture into area (the widget's rectangle) with colours from palette.
    using Painter = std::function<void(QPainter &painter, const QRectF &area, const QPalette &palette)>;

    explicit ActionPicture(Painter paint, QWidget *parent = nullptr);

    // Makes the picture a button that does what: the text is its accessible name.
    void setAction(const QString &what);
    bool actsAsButton() const { return m_button; }
    // Paints the picture as it shows now into painter (for an image of it at another resolution).
    void paintPicture(QPainter &painter) const;

signals:
    void activated();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    Painter m_paint;
    bool m_button = false;
};

} // namespace rnx10

// A picture that acts as a button on a double click with the left mouse button.
#pragma once

#include <QLabel>
#include <QPixmap>

namespace rnx10 {

class ClickablePicture : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ClickablePicture)

public:
    explicit ClickablePicture(QWidget *parent = nullptr) : QLabel(parent) {}
    // Shows picture at its own size.
    explicit ClickablePicture(const QPixmap &picture, QWidget *parent = nullptr);

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};

} // namespace rnx10

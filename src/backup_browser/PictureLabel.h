// A picture that reports double clicks (the locker image).
#pragma once

#include <QLabel>

namespace rnx10 {

class PictureLabel : public QLabel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PictureLabel)

public:
    explicit PictureLabel(QWidget *parent = nullptr) : QLabel(parent) {}

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};

} // namespace rnx10

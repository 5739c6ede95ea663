// A picture that reports double clicks.
#pragma once

#include <QLabel>

namespace rnx10 {

class DoubleClickPicture : public QLabel {
    Q_OBJECT
public:
    explicit DoubleClickPicture(const QPixmap &picture, QWidget *parent = nullptr);

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};

} // namespace rnx10

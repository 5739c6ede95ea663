// The updates notice window: caption and one fixed picture, nothing else.
#pragma once

#include <QDialog>

namespace rnx10 {

class frmupdatesA : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmupdatesA)
public:
    explicit frmupdatesA(QWidget *parent = nullptr);
};

} // namespace rnx10

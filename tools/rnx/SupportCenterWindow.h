// The support centre's main window: a button per command key and one for the quick backup.
#pragma once

#include "component/clsRNX10A.h"

#include <QWidget>

#include <functional>

namespace rnx10 {

class SupportCenterWindow : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SupportCenterWindow)
public:
    explicit SupportCenterWindow(QWidget *parent = nullptr);

private:
    QWidget *buildCommandGrid();
    // Runs one call on the component; an error is told in a message box.
    void call(const std::function<void()> &work);

    clsRNX10A m_component;
};

} // namespace rnx10

// Closes a window when Escape is pressed anywhere in it, whichever of its controls has the focus.
#pragma once

#include <QObject>

class QWidget;

namespace rnx10 {

class CloseOnEscape : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CloseOnEscape)

public:
    // Owned by window; sees key presses before the window's controls do.
    explicit CloseOnEscape(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
};

} // namespace rnx10

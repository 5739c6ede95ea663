#include "backup_browser/StatusPanel.h"

#include "ui/PlainToolTip.h"

#include <QFile>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace rnx10 {

StatusPanel::StatusPanel(QWidget *parent) : QLabel(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setTextFormat(Qt::PlainText);
    setMinimumWidth(40);
    // A long path must not widen the status bar.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setFocusPolicy(Qt::StrongFocus);
}

void StatusPanel::setPanelText(const std::string &text)
{
    m_text = text;
    // The two lines of a size text share the panel's one line; the tool tip holds the whole text.
    m_shown = QFile::decodeName(QByteArray::fromStdString(text));
    setToolTip(plainToolTip(m_shown));
    m_shown.replace(QStringLiteral("\r\n"), QStringLiteral("   "));
    showElided();
}

void StatusPanel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    showElided();
}

// A long path gives way in its middle, so that the size at the end stays in view.
void StatusPanel::showElided()
{
    const int room = contentsRect().width() - 2 * margin() - 4;
    setText(room > 0 ? fontMetrics().elidedText(m_shown, Qt::ElideMiddle, room) : m_shown);
}

void StatusPanel::mouseDoubleClickEvent(QMouseEvent *event)
{
    QLabel::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

void StatusPanel::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        emit doubleClicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void StatusPanel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = contentsRect();
    focus.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}

} // namespace rnx10

#include "backup_browser/StatusPanel.h"

#include <QFile>

namespace rnx10 {

StatusPanel::StatusPanel(QWidget *parent) : QLabel(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setTextFormat(Qt::PlainText);
    setMinimumWidth(40);
    // A long path must not widen the status bar.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void StatusPanel::setPanelText(const std::string &text)
{
    m_text = text;
    // The two lines of a size text share the panel's one line; the tool tip holds the whole text.
    QString shown = QFile::decodeName(QByteArray::fromStdString(text));
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("   "));
    setText(shown);
    setToolTip(QFile::decodeName(QByteArray::fromStdString(text)));
}

void StatusPanel::mouseDoubleClickEvent(QMouseEvent *event)
{
    QLabel::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

} // namespace rnx10

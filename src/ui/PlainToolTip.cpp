#include "ui/PlainToolTip.h"

#include <QTextDocument>
#include <QTextDocumentFragment>

namespace rnx10 {

QString plainToolTip(const QString &text)
{
    // Text Qt would not take for markup shows as it is already.
    if (!Qt::mightBeRichText(text))
        return text;
    // Escaped inside a paragraph that keeps spaces and line breaks as they are (CR LF is one).
    QString escaped = text.toHtmlEscaped();
    escaped.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return QStringLiteral("<p style=\"white-space:pre\">") + escaped + QStringLiteral("</p>");
}

QString toolTipPlainText(const QString &toolTip)
{
    if (!Qt::mightBeRichText(toolTip))
        return toolTip;
    return QTextDocumentFragment::fromHtml(toolTip).toPlainText();
}

} // namespace rnx10

#include "ui/PlainToolTip.h"

#include <QTextDocument>
#include <QTextDocumentFragment>

namespace rnx10 {

QString plainToolTip(const QString &text)
{
    if (text.isEmpty())
        return text;
    // Escaped inside a paragraph that keeps spaces and line breaks as they are.
    return QStringLiteral("<p style=\"white-space:pre-wrap\">") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

QString toolTipPlainText(const QString &toolTip)
{
    if (!Qt::mightBeRichText(toolTip))
        return toolTip;
    return QTextDocumentFragment::fromHtml(toolTip).toPlainText();
}

} // namespace rnx10

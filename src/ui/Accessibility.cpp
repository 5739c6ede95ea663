#include "ui/Accessibility.h"

#include "ui/PlainToolTip.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QScrollBar>
#include <QToolButton>
#include <QWidget>

namespace rnx10 {

namespace {
class ToolTipDescription : public QObject {
public:
    static constexpr const char *kName = "toolTipDescription";

    explicit ToolTipDescription(QWidget *control) : QObject(control), m_control(control)
    {
        setObjectName(QLatin1String(kName));
        control->installEventFilter(this);
        m_control->setAccessibleDescription(toolTipPlainText(m_control->toolTip()));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_control && event->type() == QEvent::ToolTipChange)
            m_control->setAccessibleDescription(toolTipPlainText(m_control->toolTip()));
        return false;
    }

private:
    QWidget *m_control;
};

// What part is to the widget holding it.
QString partKind(QWidget *part)
{
    if (auto *bar = qobject_cast<QScrollBar *>(part))
        return bar->orientation() == Qt::Vertical ? QCoreApplication::translate("Accessibility", "vertical scroll bar")
                                                  : QCoreApplication::translate("Accessibility", "horizontal scroll bar");
    if (part->objectName() == QLatin1String("qt_scrollarea_vcontainer"))
        return QCoreApplication::translate("Accessibility", "vertical scroll bar area");
    if (part->objectName() == QLatin1String("qt_scrollarea_hcontainer"))
        return QCoreApplication::translate("Accessibility", "horizontal scroll bar area");
    if (auto *header = qobject_cast<QHeaderView *>(part))
        return header->orientation() == Qt::Horizontal ? QCoreApplication::translate("Accessibility", "column headers")
                                                       : QCoreApplication::translate("Accessibility", "row headers");
    if (auto *area = qobject_cast<QAbstractScrollArea *>(part->parentWidget()); area && area->viewport() == part)
        return QCoreApplication::translate("Accessibility", "view area");
    if (qobject_cast<QProgressBar *>(part))
        return QCoreApplication::translate("Accessibility", "progress bar");
    if (qobject_cast<QMenu *>(part))
        return QCoreApplication::translate("Accessibility", "menu");
    if (part->windowType() == Qt::Popup)
        return QCoreApplication::translate("Accessibility", "pop-up");
    if (qobject_cast<QAbstractItemView *>(part))
        return QCoreApplication::translate("Accessibility", "list");
    if (qobject_cast<QAbstractSpinBox *>(part) || qobject_cast<QLineEdit *>(part))
        return QCoreApplication::translate("Accessibility", "entry field");
    if (qobject_cast<QToolButton *>(part))
        return QCoreApplication::translate("Accessibility", "button");
    return QCoreApplication::translate("Accessibility", "part");
}
} // namespace

QString plainCaption(const QString &caption)
{
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        plain += caption[i];
    }
    return plain;
}

void describeByToolTip(QWidget *control)
{
    if (!control->findChild<QObject *>(QLatin1String(ToolTipDescription::kName), Qt::FindDirectChildrenOnly))
        new ToolTipDescription(control);
}

void nameControl(QWidget *control, const QString &name)
{
    control->setAccessibleName(name);
    describeByToolTip(control);
}

QString accessibleNameOf(QWidget *widget)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QString();
}

void nameInnerParts(QWidget *window)
{
    // Named after the widgets that had a name before: a part inside a part is the owner's too.
    QList<QWidget *> parts;
    for (QWidget *widget : window->findChildren<QWidget *>())
        if (accessibleNameOf(widget).isEmpty())
            parts << widget;
    QList<QString> names;
    for (QWidget *part : parts) {
        QString owner;
        for (QWidget *up = part->parentWidget(); up && owner.isEmpty(); up = up->parentWidget())
            if (!parts.contains(up))
                owner = accessibleNameOf(up);
        // "Archives, vertical scroll bar": the owner, then the part.
        names << (owner.isEmpty() ? partKind(part)
                                  : QCoreApplication::translate("Accessibility", "%1, %2").arg(owner, partKind(part)));
    }
    for (qsizetype i = 0; i < parts.size(); ++i)
        parts[i]->setAccessibleName(names[i]);
}

} // namespace rnx10

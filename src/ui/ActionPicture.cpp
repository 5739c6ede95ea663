#include "ui/ActionPicture.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <mutex>

namespace rnx10 {

namespace {
// A picture is a graphic to assistive technology, or a button that can be pressed.
class PictureAccessible : public QAccessibleWidget {
public:
    explicit PictureAccessible(ActionPicture *picture) : QAccessibleWidget(picture) {}

    QAccessible::Role role() const override { return picture()->actsAsButton() ? QAccessible::Button : QAccessible::Graphic; }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (picture()->actsAsButton())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &name) override
    {
        if (name == pressAction() && picture()->actsAsButton())
            emit picture()->activated();
        else
            QAccessibleWidget::doAction(name);
    }

private:
    ActionPicture *picture() const { return static_cast<ActionPicture *>(widget()); }
};

QAccessibleInterface *pictureInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String(ActionPicture::staticMetaObject.className()) && object && object->isWidgetType())
        return new PictureAccessible(static_cast<ActionPicture *>(object));
    return nullptr;
}
} // namespace

ActionPicture::ActionPicture(Painter paint, QWidget *parent) : QWidget(parent), m_paint(std::move(paint))
{
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(pictureInterface); });
    setAccessibleName(tr("Picture"));
}

void ActionPicture::setAction(const QString &what)
{
    m_button = true;
    setAccessibleName(what);
    setFocusPolicy(Qt::StrongFocus);
}

void ActionPicture::paintPicture(QPainter &painter) const
{
    painter.save(); // what the picture does to the painter stays off the focus frame
    painter.setRenderHint(QPainter::Antialiasing);
    m_paint(painter, QRectF(rect()), palette());
    painter.restore();
}

void ActionPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintPicture(painter);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.backgroundColor = palette().color(QPalette::Window);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void ActionPicture::mouseDoubleClickEvent(QMouseEvent *event)
{
    QWidget::mouseDoubleClickEvent(event);
    if (m_button && event->button() == Qt::LeftButton)
        emit activated();
}

void ActionPicture::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (m_button && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        emit activated();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace rnx10

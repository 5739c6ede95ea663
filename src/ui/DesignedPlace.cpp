#include "ui/DesignedPlace.h"

#include <QStyle>
#include <QVariant>
#include <QWidget>

namespace rnx10 {

namespace {
constexpr const char *kDesigned = "rnx10DesignedGeometry";

void show(QWidget *widget, const QRect &designed)
{
    const QWidget *parent = widget->parentWidget();
    widget->setGeometry(parent ? QStyle::visualRect(parent->layoutDirection(), parent->rect(), designed) : designed);
}
} // namespace

void setDesignedGeometry(QWidget *widget, const QRect &designed)
{
    widget->setProperty(kDesigned, designed);
    show(widget, designed);
}

QRect designedGeometry(const QWidget *widget)
{
    const QVariant designed = widget->property(kDesigned);
    return designed.isValid() ? designed.toRect() : widget->geometry();
}

void showDesignedPlaces(QWidget *parent)
{
    for (QWidget *child : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (const QVariant designed = child->property(kDesigned); designed.isValid())
            show(child, designed.toRect());
}

} // namespace rnx10

#include "RenderedChecks.h"

#include "ui/ReadableColours.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QWidget>

namespace rnx10::test {

bool innerPart(QWidget *widget, QWidget *window)
{
    for (QWidget *up = widget->parentWidget(); up && up != window; up = up->parentWidget())
        if (qobject_cast<QAbstractScrollArea *>(up) || qobject_cast<QComboBox *>(up))
            return true;
    return false;
}

namespace {
bool announced(QWidget *widget, QWidget *window)
{
    if (!widget->isVisibleTo(window) || innerPart(widget, window))
        return false;
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    if (!face)
        return false;
    if (qobject_cast<QDialogButtonBox *>(widget)) // lays out its buttons, which speak for themselves
        return false;
    switch (face->role()) {
    case QAccessible::Client:      // a plain container
    case QAccessible::LayeredPane: // a stack of pages
    case QAccessible::Separator:
    case QAccessible::Border:      // a line drawn between parts
    case QAccessible::Pane:
    case QAccessible::ScrollBar:   // of a scroll area, announced with it
        return false;
    default:
        return true;
    }
}

std::string described(QWidget *widget)
{
    return (widget->objectName().isEmpty() ? QStringLiteral("?") : widget->objectName()).toStdString() + " (" +
           widget->metaObject()->className() + ")";
}
} // namespace

std::vector<std::string> unnamedControls(QWidget *window)
{
    std::vector<std::string> found;
    for (QWidget *widget : window->findChildren<QWidget *>())
        if (announced(widget, window) &&
            QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).trimmed().isEmpty())
            found.push_back(described(widget));
    return found;
}

std::vector<std::string> undescribedControls(QWidget *window)
{
    std::vector<std::string> found;
    for (QWidget *widget : window->findChildren<QWidget *>())
        if (announced(widget, window) && !widget->toolTip().isEmpty() &&
            QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description).isEmpty())
            found.push_back(described(widget));
    return found;
}

std::vector<std::string> tabChain(QWidget *from, int count)
{
    std::vector<std::string> order;
    QWidget *w = from;
    for (int i = 0; i < count; ++i, w = w->nextInFocusChain()) {
        while (!(w->focusPolicy() & Qt::TabFocus) || !w->isVisible() || !w->isEnabled())
            w = w->nextInFocusChain();
        order.push_back(w->objectName().toStdString());
    }
    return order;
}

QImage rendered(QWidget *widget, qreal devicePixelRatio)
{
    // The whole window, then the widget's part of it: what lies behind the widget is painted too.
    QWidget *window = widget->window();
    QImage whole(window->size() * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    whole.setDevicePixelRatio(devicePixelRatio);
    whole.fill(window->palette().color(QPalette::Window));
    window->render(&whole);
    const QRect part(widget->mapTo(window, QPoint(0, 0)) * devicePixelRatio, widget->size() * devicePixelRatio);
    QImage image = whole.copy(part);
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

double readableOutlineShare(const QImage &image, const QColor &background, double minimum, int radius)
{
    const auto isBackground = [&](int x, int y) {
        return contrastRatio(QColor::fromRgb(image.pixel(x, y)), background) < 1.05;
    };
    int outline = 0, readable = 0;
    for (int y = 1; y + 1 < image.height(); ++y) {
        for (int x = 1; x + 1 < image.width(); ++x) {
            if (isBackground(x, y) ||
                !(isBackground(x - 1, y) || isBackground(x + 1, y) || isBackground(x, y - 1) || isBackground(x, y + 1)))
                continue;
            ++outline;
            double best = 1;
            for (int dy = -radius; dy <= radius; ++dy)
                for (int dx = -radius; dx <= radius; ++dx)
                    if (image.valid(x + dx, y + dy))
                        best = std::max(best, contrastRatio(QColor::fromRgb(image.pixel(x + dx, y + dy)), background));
            readable += best >= minimum;
        }
    }
    return outline == 0 ? 0 : static_cast<double>(readable) / outline;
}

int detailedBlocks(const QImage &atTwo)
{
    int detailed = 0;
    for (int y = 0; y + 1 < atTwo.height(); y += 2)
        for (int x = 0; x + 1 < atTwo.width(); x += 2) {
            const QRgb c = atTwo.pixel(x, y);
            detailed += atTwo.pixel(x + 1, y) != c || atTwo.pixel(x, y + 1) != c || atTwo.pixel(x + 1, y + 1) != c;
        }
    return detailed;
}

} // namespace rnx10::test

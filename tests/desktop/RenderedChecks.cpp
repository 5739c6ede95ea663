#include "RenderedChecks.h"

#include "ui/ReadableColours.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHash>
#include <QWidget>

namespace rnx10::test {

QPalette darkPalette()
{
    QPalette p;
    const QColor window(49, 54, 59), base(35, 38, 41), text(252, 252, 252), disabled(127, 127, 127);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, QColor(66, 66, 66));
    p.setColor(QPalette::ToolTipBase, QColor(25, 25, 25));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, QColor(160, 160, 160));
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Light, QColor(80, 80, 80));
    p.setColor(QPalette::Midlight, QColor(66, 66, 66));
    p.setColor(QPalette::Mid, QColor(40, 40, 40));
    p.setColor(QPalette::Dark, QColor(25, 25, 25));
    p.setColor(QPalette::Shadow, Qt::black);
    p.setColor(QPalette::Highlight, QColor(61, 174, 233));
    p.setColor(QPalette::HighlightedText, text);
    p.setColor(QPalette::Link, QColor(100, 170, 240));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabled);
    return p;
}

PaletteScope::PaletteScope(const QPalette &palette) : m_saved(QApplication::palette())
{
    QApplication::setPalette(palette);
}

PaletteScope::~PaletteScope() { QApplication::setPalette(m_saved); }

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

QColor commonColour(const QImage &image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000];
    QRgb best = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most)
            best = it.key(), most = it.value();
    return QColor::fromRgb(best);
}

double strongestContrast(const QImage &image)
{
    const QColor background = commonColour(image);
    double strongest = 1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            strongest = std::max(strongest, contrastRatio(QColor::fromRgb(image.pixel(x, y)), background));
    return strongest;
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

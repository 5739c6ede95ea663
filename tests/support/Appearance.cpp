#include "support/Appearance.h"

#include "ui/ReadableColours.h"

#include <QApplication>
#include <QDir>
#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <vector>

namespace rnx10::test {

namespace {
QRect devicePixels(const QImage &image, const QRect &area)
{
    if (area.isEmpty())
        return image.rect();
    const qreal dpr = image.devicePixelRatio();
    const QRect scaled(qRound(area.x() * dpr), qRound(area.y() * dpr), qRound(area.width() * dpr), qRound(area.height() * dpr));
    return scaled.intersected(image.rect());
}
} // namespace

QPalette darkPalette()
{
    QPalette p;
    const QColor window(0x35, 0x35, 0x35), base(0x24, 0x24, 0x24), text(0xee, 0xee, 0xee);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Window, window);
        p.setColor(group, QPalette::WindowText, text);
        p.setColor(group, QPalette::Base, base);
        p.setColor(group, QPalette::AlternateBase, QColor(0x2e, 0x2e, 0x2e));
        p.setColor(group, QPalette::Text, text);
        p.setColor(group, QPalette::Button, window);
        p.setColor(group, QPalette::ButtonText, text);
        p.setColor(group, QPalette::BrightText, Qt::red);
        p.setColor(group, QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
        p.setColor(group, QPalette::HighlightedText, Qt::white);
        p.setColor(group, QPalette::ToolTipBase, window);
        p.setColor(group, QPalette::ToolTipText, text);
        p.setColor(group, QPalette::PlaceholderText, QColor(0x9a, 0x9a, 0x9a));
        p.setColor(group, QPalette::Link, QColor(0x6a, 0xb0, 0xf0));
        p.setColor(group, QPalette::Light, QColor(0x50, 0x50, 0x50));
        p.setColor(group, QPalette::Midlight, QColor(0x45, 0x45, 0x45));
        p.setColor(group, QPalette::Mid, QColor(0x2a, 0x2a, 0x2a));
        p.setColor(group, QPalette::Dark, QColor(0x20, 0x20, 0x20));
        p.setColor(group, QPalette::Shadow, Qt::black);
    }
    p.setColor(QPalette::Disabled, QPalette::Window, window);
    p.setColor(QPalette::Disabled, QPalette::Base, base);
    p.setColor(QPalette::Disabled, QPalette::Button, window);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
    return p;
}

// The widgets hear of a new application palette through posted events: they are served at once.
ScopedPalette::ScopedPalette(const QPalette &palette) : m_before(QApplication::palette())
{
    QApplication::setPalette(palette);
    QCoreApplication::sendPostedEvents();
}

ScopedPalette::~ScopedPalette()
{
    QApplication::setPalette(m_before);
    QCoreApplication::sendPostedEvents();
}

QImage rendered(QWidget *widget) { return widget->grab().toImage().convertToFormat(QImage::Format_RGB32); }

QColor dominantColour(const QImage &image, const QRect &area)
{
    std::map<QRgb, int> counts;
    const QRect r = devicePixels(image, area);
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000];
    const auto most =
        std::max_element(counts.begin(), counts.end(), [](const auto &a, const auto &b) { return a.second < b.second; });
    return most == counts.end() ? QColor() : QColor::fromRgb(most->first);
}

double strongestContrast(const QImage &image, const QColor &background, const QRect &area)
{
    double strongest = 1;
    const QRect r = devicePixels(image, area);
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            strongest = std::max(strongest, contrastRatio(QColor::fromRgb(image.pixel(x, y)), background));
    return strongest;
}

double outlineContrast(const QImage &image, const QColor &background)
{
    std::vector<double> rows;
    for (int y = 0; y < image.height(); ++y) {
        double strongest = 0;
        int seen = 0;
        for (int x = 0; x < image.width() && seen < 2; ++x) {
            const double c = contrastRatio(QColor::fromRgb(image.pixel(x, y)), background);
            if (c < 1.1)
                continue;
            strongest = std::max(strongest, c);
            ++seen;
        }
        if (seen)
            rows.push_back(strongest);
    }
    if (rows.empty())
        return 1;
    std::nth_element(rows.begin(), rows.begin() + rows.size() / 2, rows.end());
    return rows[rows.size() / 2];
}

std::string writeScreenshot(QWidget *widget, const std::string &name)
{
    const char *build = std::getenv("RNX10_BINARY_DIR");
    const QString folder = QString::fromLocal8Bit(build ? build : ".") + QStringLiteral("/screenshots");
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + QString::fromStdString(name) + QStringLiteral(".png");
    QCoreApplication::sendPostedEvents(); // layouts a view has put off
    widget->grab().save(path);
    return path.toStdString();
}

} // namespace rnx10::test

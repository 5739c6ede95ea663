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

// Under a dark palette every text and picture stays readable, painted pictures are sharp at a
// device pixel ratio of 2, and every window is written out as a screenshot for review.
#include "DesktopWindows.h"
#include "RenderedChecks.h"

#include "commands/CommandPictures.h"
#include "ui/PaintedPicture.h"
#include "ui/ReadableColours.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTabBar>

using namespace rnx10;
using namespace rnx10::test;

namespace {

using ThemeAndScale = DesktopFixture;

struct Theme {
    const char *name;
    QPalette palette;
};

std::vector<Theme> themes() { return {{"light", QPalette()}, {"dark", darkPalette()}}; }

// Controls that show text: labels without a picture, buttons, text boxes, combo boxes, tab bars.
bool showsText(QWidget *w)
{
    // Disabled controls carry no contrast requirement; a view's inner parts are measured with it.
    if (!w->isVisible() || !w->isEnabled() || innerPart(w, w->window()))
        return false;
    if (auto *label = qobject_cast<QLabel *>(w))
        return !label->text().isEmpty();
    return qobject_cast<QAbstractButton *>(w) || qobject_cast<QLineEdit *>(w) || qobject_cast<QComboBox *>(w) ||
           qobject_cast<QTabBar *>(w);
}

TEST_F(ThemeAndScale, EveryTextStandsOutFromItsBackgroundInALightAndADarkPalette)
{
    for (const Theme &theme : themes()) {
        const ScopedPalette palette(theme.palette);
        for (const DesktopWindow &made : desktopWindows()) {
            const auto window = made.make();
            showActive(*window);
            for (QWidget *w : window->findChildren<QWidget *>()) {
                if (!showsText(w))
                    continue;
                SCOPED_TRACE(std::string(theme.name) + " " + made.name + " " + w->objectName().toStdString() + " (" +
                             w->metaObject()->className() + ")");
                const QImage image = rendered(w, 2);
                EXPECT_GE(strongestContrast(image, dominantColour(image)), kReadableContrast);
            }
        }
    }
}

TEST_F(ThemeAndScale, ThePicturesOutlinesStandOutFromTheWindowInALightAndADarkPalette)
{
    for (const Theme &theme : themes()) {
        const ScopedPalette palette(theme.palette);
        const auto window = makeWindow("frmMaintainceA");
        showActive(*window);
        for (const char *name : {"imgLog", "Image1"}) {
            SCOPED_TRACE(std::string(theme.name) + " " + name);
            QWidget *picture = window->findChild<QWidget *>(name);
            ASSERT_NE(picture, nullptr);
            const QImage image = rendered(picture, 2);
            EXPECT_GE(readableOutlineShare(image, dominantColour(image), kReadableContrast, 2), 0.9);
        }
    }
}

TEST_F(ThemeAndScale, TheUpdatesNoticesTextsStandOutFromItsOwnBackground)
{
    const QImage image = paintedPixmap(kUpdatesPictureSize, &paintUpdatesPicture, QPalette(), 2).toImage();
    // The title, the message and the footer line, where the picture puts them.
    for (const QRect &text : {QRect(176, 70, 290, 44), QRect(176, 118, 290, 60), QRect(0, 244, 480, 36)}) {
        SCOPED_TRACE(std::to_string(text.y()));
        const QImage label = image.copy(QRect(text.topLeft() * 2, text.size() * 2));
        EXPECT_GE(strongestContrast(label, dominantColour(label)), kReadableContrast);
    }
}

TEST_F(ThemeAndScale, PaintedPicturesAreSharpAtTwoDevicePixelsAPixel)
{
    // The measure: a picture scaled up from one device pixel a pixel has no detail inside its
    // 2x2 blocks.
    QLabel scaledUp;
    scaledUp.setPixmap(paintedPixmap(QSize(48, 48), [](QPainter &p, const QPalette &) { p.drawEllipse(4, 4, 40, 40); },
                                     QPalette()));
    scaledUp.show();
    EXPECT_EQ(detailedBlocks(rendered(&scaledUp, 2)), 0);

    const auto maintenance = makeWindow("frmMaintainceA");
    const auto updates = makeWindow("frmupdatesA");
    showActive(*maintenance);
    showActive(*updates);
    for (QWidget *picture : {maintenance->findChild<QWidget *>("imgLog"), maintenance->findChild<QWidget *>("Image1"),
                             updates->findChild<QWidget *>("imgUpdates")}) {
        ASSERT_NE(picture, nullptr);
        SCOPED_TRACE(picture->objectName().toStdString());
        EXPECT_GT(detailedBlocks(rendered(picture, 2)), 40);
    }
    EXPECT_GT(detailedBlocks(registryIcon().pixmap(QSize(32, 32), 2.0).toImage()), 40);
}

TEST_F(ThemeAndScale, ScreenshotsOfEveryWindowAtScaleOneAndTwoLightAndDark)
{
    const char *binary = std::getenv("RNX10_BINARY_DIR");
    ASSERT_NE(binary, nullptr);
    const QString folder = QString::fromLocal8Bit(binary) + QStringLiteral("/screenshots");
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const Theme &theme : themes()) {
        const ScopedPalette palette(theme.palette);
        for (const DesktopWindow &made : desktopWindows()) {
            const auto window = made.make();
            showActive(*window);
            for (int scale : {1, 2}) {
                const QString file = QStringLiteral("%1/%2-%3-x%4.png")
                                         .arg(folder, QString::fromStdString(made.name), QString::fromUtf8(theme.name))
                                         .arg(scale);
                SCOPED_TRACE(file.toStdString());
                const QImage shot = rendered(window.get(), scale);
                EXPECT_EQ(shot.size(), window->size() * scale);
                EXPECT_TRUE(shot.save(file));
            }
        }
    }
}

} // namespace

namespace {

TEST(ReadableColours, ContrastAsWcagCountsItAndColoursMovedJustFarEnough)
{
    EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(Qt::white, Qt::black), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(QColor(119, 119, 119), Qt::white), 4.48, 0.01);
    EXPECT_DOUBLE_EQ(contrastRatio(QColor(10, 20, 30), QColor(10, 20, 30)), 1.0);

    const QColor brown(170, 120, 20); // 3.4 on light grey, 3.2 on dark grey, 5.4 on black
    const struct {
        QColor background;
        int lighter; // 1 lighter, -1 darker, 0 kept
    } rows[] = {{QColor(239, 239, 239), -1}, {Qt::white, -1}, {QColor(49, 54, 59), 1}, {Qt::black, 0}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.background.name().toStdString());
        const QColor moved = readableOn(brown, row.background);
        EXPECT_GE(contrastRatio(moved, row.background), kReadableContrast);
        EXPECT_NEAR(moved.hslHueF(), brown.hslHueF(), 0.01);
        EXPECT_EQ((moved.lightness() > brown.lightness()) - (moved.lightness() < brown.lightness()), row.lighter);
        if (row.lighter != 0)
            EXPECT_LT(contrastRatio(moved, row.background), kReadableContrast + 0.5) << "moved no further than needed";
    }
}

} // namespace

// The browser at a device pixel ratio of 2: painted pictures drawn at the screen's resolution,
// never a smaller drawing scaled up; and screenshots at that scale, light and dark. A program of
// its own, because the scale is fixed when the application starts.
#include "backup_browser/ArchiveListView.h"
#include "backup_browser/frmBackUpRestoreA.h"
#include "support/Appearance.h"
#include "support/BrowserFixture.h"
#include "ui/ActionPicture.h"

#include <QApplication>
#include <QListView>
#include <QPainter>
#include <QTest>

#include <cstdlib>

using namespace rnx10;
using namespace rnx10::test;

namespace {

// Before main makes the application.
const bool kScaled = ::setenv("QT_SCALE_FACTOR", "2", 1) == 0;

// Mean difference per colour channel, 0 to 255, of two images of one size.
double difference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    double total = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int column = 0; column < x.width(); ++column) {
            const QRgb p = x.pixel(column, row), q = y.pixel(column, row);
            total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return total / (3.0 * x.width() * x.height());
}

// picture painted on its window's colour at the given device pixel ratio.
QImage painted(const ActionPicture *picture, qreal dpr)
{
    QImage image(picture->size() * dpr, QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(picture->palette().color(QPalette::Window));
    QPainter painter(&image);
    picture->paintPicture(painter);
    return image;
}

class BrowserScale2Test : public BrowserFixture {
protected:
    void openOnAnHour()
    {
        makeFolders(inst.home() + "/docs");
        store.archive(store.hour("09-00"), "documents", inst.home() + "/docs");
        store.archive(store.hour("09-00"), "settings", "REGKEYS");
        ASSERT_TRUE(open());
        pickHour("09-00");
    }
};

TEST_F(BrowserScale2Test, ActionPicturesAreDrawnAtTheScreensResolution)
{
    ASSERT_TRUE(kScaled);
    openOnAnHour();
    ASSERT_EQ(m_window->devicePixelRatio(), 2);
    for (const char *name : {"imgLocker", "Image2"}) {
        SCOPED_TRACE(name);
        auto *picture = child<ActionPicture>(name);
        const QImage shown = rendered(picture);
        ASSERT_EQ(shown.size(), picture->size() * 2);
        const QImage sharp = painted(picture, 2);
        const QImage scaledUp = painted(picture, 1).scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        // What shows is the drawing at twice the pixels, not the drawing at one scaled up.
        EXPECT_LT(difference(shown, sharp), 0.5);
        EXPECT_GT(difference(scaledUp, sharp), 4 * std::max(difference(shown, sharp), 0.05));
    }
    // The list's icons and its background tile, likewise.
    QListView *icons = child<ArchiveListView>("lvBody")->iconView();
    const QIcon icon = icons->model()->index(0, 0).data(Qt::DecorationRole).value<QIcon>();
    const QPixmap atTwo = icon.pixmap(QSize(32, 32), 2.0);
    EXPECT_EQ(atTwo.size(), QSize(64, 64));
    EXPECT_EQ(atTwo.toImage(), icon.pixmap(QSize(64, 64), 1.0).toImage());
    EXPECT_EQ(icons->viewport()->palette().base().texture().devicePixelRatio(), 2);
}

TEST_F(BrowserScale2Test, ScreenshotsInLightAndDark)
{
    const struct {
        const char *name;
        QPalette palette;
    } themes[] = {{"light", QApplication::style()->standardPalette()}, {"dark", darkPalette()}};
    for (const auto &theme : themes) {
        SCOPED_TRACE(theme.name);
        ScopedPalette scoped(theme.palette);
        openOnAnHour();
        clickRow("documents");
        writeScreenshot(m_window, std::string("browser-") + theme.name + "-2x");
        m_window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

} // namespace

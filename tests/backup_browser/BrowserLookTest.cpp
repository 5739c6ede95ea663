// How the browser looks under light and dark palettes: readable text on the list, the coloured
// buttons and the painted pictures, measured on the rendered window; and screenshots for review.
#include "backup_browser/ArchiveListView.h"
#include "backup_browser/frmBackUpRestoreA.h"
#include "support/Appearance.h"
#include "support/BrowserFixture.h"
#include "ui/ReadableColours.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QListView>
#include <QTextCharFormat>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

using namespace rnx10;
using namespace rnx10::test;

namespace {

class BrowserLookTest : public BrowserFixture {
protected:
    // Today's hour "09-00" with two archives, shown in the list.
    void openOnAnHour()
    {
        const std::string source = inst.home() + "/docs";
        makeFolders(source);
        store.archive(store.hour("09-00"), "documents", source);
        store.archive(store.hour("09-00"), "settings", "REGKEYS");
        ASSERT_TRUE(open());
        pickHour("09-00");
    }

    ArchiveListView *list() const { return child<ArchiveListView>("lvBody"); }

    // Where widget is in the window.
    QRect placeOf(QWidget *widget) const { return QRect(widget->mapTo(m_window, QPoint(0, 0)), widget->size()); }
    // Part of the window's image, given in the window's coordinates.
    static QImage region(const QImage &window, const QRect &place)
    {
        const qreal dpr = window.devicePixelRatio();
        return window.copy(QRect((place.topLeft() * dpr), place.size() * dpr));
    }
};

struct Theme {
    const char *name;
    QPalette palette;
};

std::vector<Theme> themes() { return {{"light", QApplication::style()->standardPalette()}, {"dark", darkPalette()}}; }

TEST_F(BrowserLookTest, ListButtonsAndPicturesStayReadableInEveryTheme)
{
    for (const Theme &theme : themes()) {
        SCOPED_TRACE(theme.name);
        ScopedPalette scoped(theme.palette);
        openOnAnHour();
        const QImage window = rendered(m_window);
        const QColor windowColour = m_window->palette().color(QPalette::Window);

        // The list's names on its background picture.
        QListView *icons = list()->iconView();
        const QColor listBackground = dominantColour(region(window, placeOf(icons->viewport())));
        for (int row = 0; row < icons->model()->rowCount(); ++row) {
            const QRect item = icons->visualRect(icons->model()->index(row, 0));
            const QPoint corner = icons->viewport()->mapTo(m_window, item.topLeft());
            const QRect name(corner + QPoint(0, 36), QSize(item.width(), item.height() - 36));
            EXPECT_GE(strongestContrast(window, listBackground, name), kReadableContrast) << "row " << row;
            const QRect icon(corner, QSize(item.width(), 36));
            EXPECT_GE(outlineContrast(region(window, icon), listBackground), kReadableContrast) << "icon of row " << row;
        }
        // The buttons' captions, inside their borders.
        for (const char *name : {"cmdRegBackup", "cmdRegBackup2", "cmdReport", "cmdExit"}) {
            const QRect inside = placeOf(child<QWidget>(name)).adjusted(3, 3, -3, -3);
            EXPECT_GE(strongestContrast(window, dominantColour(window, inside), inside), kReadableContrast) << name;
        }
        // The painted pictures' outlines against the window.
        for (const char *name : {"imgLocker", "Image2"}) {
            const QImage picture = rendered(child<QWidget>(name));
            EXPECT_EQ(dominantColour(picture), windowColour) << name;
            EXPECT_GE(outlineContrast(picture, windowColour), kReadableContrast) << name;
        }
        // Weekends keep their red, one that reads on the calendar.
        auto *calendar = child<QCalendarWidget>("MonthView1");
        const QColor weekend = calendar->weekdayTextFormat(Qt::Saturday).foreground().color();
        EXPECT_GE(contrastRatio(weekend, calendar->palette().color(QPalette::Base)), kReadableContrast);
        EXPECT_GT(weekend.red(), 2 * std::max(weekend.green(), weekend.blue()));
        m_window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(BrowserLookTest, ThemeChangedWhileOpenIsFollowed)
{
    openOnAnHour();
    ScopedPalette dark(darkPalette());
    const QImage window = rendered(m_window);
    QListView *icons = list()->iconView();
    const QColor listBackground = dominantColour(region(window, placeOf(icons->viewport())));
    EXPECT_LT(relativeLuminance(listBackground), 0.1);
    const QRect inside = placeOf(child<QWidget>("cmdRegBackup")).adjusted(3, 3, -3, -3);
    EXPECT_GE(strongestContrast(window, dominantColour(window, inside), inside), kReadableContrast);
    const QImage locker = rendered(child<QWidget>("imgLocker"));
    EXPECT_GE(outlineContrast(locker, m_window->palette().color(QPalette::Window)), kReadableContrast);
    auto *calendar = child<QCalendarWidget>("MonthView1");
    const QColor sunday = calendar->weekdayTextFormat(Qt::Sunday).foreground().color();
    EXPECT_GE(contrastRatio(sunday, calendar->palette().color(QPalette::Base)), kReadableContrast);
}

TEST_F(BrowserLookTest, ScreenshotsInLightAndDark)
{
    for (const Theme &theme : themes()) {
        SCOPED_TRACE(theme.name);
        ScopedPalette scoped(theme.palette);
        openOnAnHour();
        clickRow("documents");
        writeScreenshot(m_window, std::string("browser-") + theme.name + "-1x");
        QTest::keyClick(list()->currentView(), Qt::Key_F7);
        writeScreenshot(m_window, std::string("browser-") + theme.name + "-1x-report");
        m_window->resize(1200, 700);
        writeScreenshot(m_window, std::string("browser-") + theme.name + "-1x-report-larger");
        m_window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

} // namespace

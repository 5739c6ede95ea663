// The browser's layout: where it opens every control, and what a larger window changes.
#include "backup_browser/ArchiveListView.h"
#include "backup_browser/frmBackUpRestoreA.h"
#include "support/BrowserFixture.h"

#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTreeView>

#include <map>

using namespace rnx10;
using namespace rnx10::test;

namespace {

QRect twips(int left, int top, int width, int height) { return QRect(left / 15, top / 15, width / 15, height / 15); }

class BrowserLayoutTest : public BrowserFixture {
protected:
    void SetUp() override
    {
        // Long values, as real stores have them.
        const std::string source = inst.home() + "/Documents/Projects/Quarterly reports and their appendices";
        makeFolders(source);
        store.archive(store.hour("09-00"), "documents-of-the-first-quarter", source);
        store.archive(store.hour("09-00"), "settings", "REGKEYS");
        ASSERT_TRUE(open());
        pickHour("09-00");
    }

    // Where each named control is, in the window's coordinates.
    std::map<QString, QRect> placements() const
    {
        std::map<QString, QRect> where;
        for (QWidget *control : m_window->findChildren<QWidget *>()) {
            if (control->objectName().isEmpty() || control->objectName().startsWith("qt_") || !control->isVisible())
                continue;
            where[control->objectName()] = QRect(control->mapTo(m_window, QPoint(0, 0)), control->size());
        }
        return where;
    }
};

TEST_F(BrowserLayoutTest, OpensAtTheDesignedSizeAndPlaces)
{
    EXPECT_EQ(m_window->size(), QSize(761, 553));
    EXPECT_EQ(m_window->minimumSize(), QSize(761, 553));
    const std::map<QString, QRect> where = placements();
    const struct {
        const char *control;
        QRect place;
    } rows[] = {
        {"picCommand", twips(9600, 0, 1815, 7800)},
        {"cmdRegBackup", twips(9600 + 120, 240, 1575, 495)},
        {"cmdRegBackup2", twips(9600 + 120, 840, 1575, 495)},
        {"cmdReport", twips(9600 + 120, 1440, 1575, 495)},
        {"cmdExit", twips(9600 + 120, 2040, 1575, 495)},
        {"imgLocker", twips(120, 120, 4110, 4200)},
        {"MonthView1", twips(4320, 120, 5295, 3810)},
        {"Image2", twips(120, 3720, 750, 750)},
        {"lblHour", twips(5280, 3960, 855, 255)},
        {"lblArchives", twips(600, 4200, 855, 255)},
        {"lvBody", twips(120, 4440, 9375, 3255)},
        {"StatusBar1", twips(0, 7800, 11415, 495)},
        {"Line1", QRect(1440 / 15, 4320 / 15, (9600 - 1440) / 15, 1)},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.control);
        ASSERT_TRUE(where.count(row.control));
        EXPECT_EQ(where.at(row.control), row.place);
    }
    // The hour list keeps its place and is as wide as an hour needs; the size label follows it.
    const QRect hours = where.at("lstTime");
    EXPECT_EQ(hours.topLeft(), twips(6240, 3960, 0, 0).topLeft());
    EXPECT_EQ(where.at("lblSize").left(), hours.right() + 1 + (7200 - 6240 - 855) / 15);
}

TEST_F(BrowserLayoutTest, LargerWindowGivesTheListTheRoomAndMovesNothingElse)
{
    const std::map<QString, QRect> before = placements();
    const QSize extra(340, 210);
    m_window->resize(m_window->size() + extra);
    const std::map<QString, QRect> after = placements();
    ASSERT_EQ(after.size(), before.size());
    // The list grows by all of it; the command panel keeps to the right edge and the status bar
    // (its panels with it) to the bottom; nothing else moves or changes size.
    const std::map<QString, QRect> moved = {
        {"lvBody", before.at("lvBody").adjusted(0, 0, extra.width(), extra.height())},
        {"picCommand", before.at("picCommand").translated(extra.width(), 0).adjusted(0, 0, 0, extra.height())},
        {"StatusBar1", before.at("StatusBar1").translated(0, extra.height()).adjusted(0, 0, extra.width(), 0)},
    };
    for (const auto &[name, place] : before) {
        SCOPED_TRACE(name.toStdString());
        if (moved.count(name))
            EXPECT_EQ(after.at(name), moved.at(name));
        else if (name.startsWith("cmd"))
            EXPECT_EQ(after.at(name), place.translated(extra.width(), 0));
        else if (name.startsWith("StatusBar1Panel") || name.startsWith("lvBody"))
            EXPECT_EQ(after.at(name).top(), place.top() + (name.startsWith("lvBody") ? 0 : extra.height()));
        else
            EXPECT_EQ(after.at(name), place);
    }
    // Back to the designed size, back to the designed places; never smaller.
    m_window->resize(761, 553);
    EXPECT_EQ(placements(), before);
    m_window->resize(600, 400);
    EXPECT_EQ(m_window->size(), QSize(761, 553));
}

TEST_F(BrowserLayoutTest, ReportColumnsAreReadWithoutScrollingSidewaysOnceThereIsRoom)
{
    auto *list = child<ArchiveListView>("lvBody");
    list->currentView()->setFocus();
    QTest::keyClick(list->currentView(), Qt::Key_F7);
    QTreeView *report = list->reportView();
    QHeaderView *header = report->header();
    // At the designed size: the designed column widths, and scrolling.
    const QList<int> designed = {110, 150, 150, 80, 80};
    for (int column = 0; column < designed.size(); ++column)
        EXPECT_EQ(header->sectionSize(column), designed[column]) << column;
    EXPECT_GT(report->horizontalScrollBar()->maximum(), 0);

    // What each column needs for its widest value, and never less than designed.
    const auto content = [&](int column) {
        return std::max(header->sectionSizeHint(column), static_cast<QAbstractItemView *>(report)->sizeHintForColumn(column));
    };
    int needed = 0;
    for (int column = 0; column < header->count(); ++column)
        needed += std::max(content(column), designed.value(column, 110));

    // Half way there: nothing scrolls, no column is narrower than designed, and the room went to
    // the columns that need it.
    const int designedWidth = report->viewport()->width();
    m_window->resize(m_window->width() + (needed - designedWidth) / 2, m_window->height());
    EXPECT_EQ(report->horizontalScrollBar()->maximum(), 0);
    for (int column = 0; column < designed.size(); ++column)
        EXPECT_GE(header->sectionSize(column), designed[column]) << column;
    EXPECT_GT(header->sectionSize(1), designed[1]);
    EXPECT_GT(header->sectionSize(2), designed[2]);

    // Widened by what the widest values need, every value shows whole and nothing scrolls.
    m_window->resize(m_window->width() + needed - report->viewport()->width(), m_window->height() + 100);
    EXPECT_EQ(report->horizontalScrollBar()->maximum(), 0);
    for (int column = 0; column < header->count(); ++column) {
        SCOPED_TRACE(column);
        EXPECT_GE(header->sectionSize(column), content(column));
    }
    // The source column shows the long path whole, not shortened.
    const QModelIndex documents = rowNamed("documents-of-the-first-quarter");
    const QString source = documents.siblingAtColumn(1).data().toString();
    EXPECT_GE(header->sectionSize(1), report->fontMetrics().horizontalAdvance(source));
}

} // namespace

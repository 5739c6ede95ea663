// The Find Files and Versions windows, opened from the browser's popup and driven by keys and clicks.
#include "recovery/FindFilesWindow.h"
#include "recovery/VersionsWindow.h"
#include "backup_browser/frmBackUpRestoreA.h"

#include "support/Appearance.h"
#include "support/BrowserFixture.h"

#include <QAbstractItemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

#include <clocale>

using namespace rnx10;
using namespace rnx10::test;

namespace {

class FindFilesWindowTest : public BrowserFixture {
protected:
    void SetUp() override
    {
        const QDate today = QDate::currentDate();
        older = store.archive(store.day(today.addDays(-1)) + "/08", "shellbak-1", "/home/ann/docs", {},
                              {{"letters/Report.odt", "one"}, {"other.txt", "x"}});
        newer = store.archive(store.hour("21"), "shellbak-1", "/home/ann/docs", {}, {{"letters/report.ODT", "two!"}});
        ASSERT_TRUE(open());
        trigger("mnuPopUpFindFiles");
        finder = m_window->findChild<FindFilesWindow *>();
        ASSERT_TRUE(finder);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(finder));
    }

    // Types the pattern (pastes one the test keyboard has no keys for), clicks Find and waits until
    // the search has ended.
    void find(const QString &pattern)
    {
        auto *field = child<QLineEdit>(finder, "txtPattern");
        field->selectAll();
        bool typable = true;
        for (const QChar c : pattern)
            typable = typable && c.unicode() < 0x80;
        typable ? QTest::keyClicks(field, pattern) : field->insert(pattern);
        QSignalSpy finished(finder, &FindFilesWindow::searchFinished);
        QTest::mouseClick(child<QPushButton>(finder, "cmdFind"), Qt::LeftButton);
        ASSERT_TRUE(finished.wait(60000));
    }

    QTreeView *results() const { return child<QTreeView>(finder, "lvResults"); }
    QString cell(int row, int column) const { return results()->model()->index(row, column).data().toString(); }

    std::string older, newer;
    QPointer<FindFilesWindow> finder;
};

TEST_F(FindFilesWindowTest, FindsOpensAndClosesByKeysAndClicks)
{
    find(QStringLiteral("*.odt"));
    ASSERT_EQ(results()->model()->rowCount(), 2);
    EXPECT_TRUE(cell(0, 0).endsWith(QStringLiteral("  21")));
    EXPECT_EQ(cell(0, 2), QStringLiteral("/home/ann/docs"));
    EXPECT_EQ(cell(0, 3), QStringLiteral("letters/report.ODT"));
    EXPECT_EQ(cell(1, 3), QStringLiteral("letters/Report.odt"));
    EXPECT_EQ(cell(0, 4), QStringLiteral("4 bytes"));
    EXPECT_NE(child<QLabel>(finder, "lblStatus")->text().indexOf(QStringLiteral("2 found")), -1);
    writeScreenshot(finder, "find-files-light");
    {
        ScopedPalette dark(darkPalette());
        writeScreenshot(finder, "find-files-dark");
    }

    // The first row, by keys: Down picks it, Enter opens it as a document.
    results()->setFocus();
    QTest::keyClick(results(), Qt::Key_Down);
    QTest::keyClick(results(), Qt::Key_Home);
    QTest::keyClick(results(), Qt::Key_Return);
    EXPECT_EQ(inst.shell->documents, std::vector<std::string>{newer + "/copy/letters/report.ODT"});
    QTest::mouseClick(child<QPushButton>(finder, "cmdOpenFolder"), Qt::LeftButton);
    EXPECT_EQ(inst.shell->documents.back(), newer + "/copy/letters");

    // Sorted by date, oldest first, with a click on the column's header.
    QHeaderView *header = results()->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(0) + 20, 5));
    EXPECT_EQ(cell(0, 3), QStringLiteral("letters/Report.odt"));

    // Restore To... copies the chosen result into the folder picked in the chooser, as the
    // browser's own entry does.
    const std::string target = inst.home() + "/restored";
    makeFolders(target);
    inst.prompt->folders = {target};
    QTest::mouseClick(child<QPushButton>(finder, "cmdRestoreTo"), Qt::LeftButton);
    EXPECT_EQ(readFile(target + "/report.ODT"), "two!");
    EXPECT_TRUE(exists(newer + "/copy/letters/report.ODT"));

    // The versions of the chosen result's original path.
    QTest::mouseClick(child<QPushButton>(finder, "cmdVersions"), Qt::LeftButton);
    auto *versions = finder->findChild<VersionsWindow *>();
    ASSERT_TRUE(versions);
    EXPECT_EQ(child<QLineEdit>(versions, "txtPath")->text(), QStringLiteral("/home/ann/docs/letters/report.ODT"));
    auto *list = child<QTreeView>(versions, "lvVersions");
    ASSERT_EQ(list->model()->rowCount(), 1); // the older copy names it Report.odt
    writeScreenshot(versions, "versions-light");
    {
        ScopedPalette dark(darkPalette());
        writeScreenshot(versions, "versions-dark");
    }
    QTest::keyClick(versions, Qt::Key_Escape);

    QTest::keyClick(results(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(finder.isNull());
}

TEST_F(FindFilesWindowTest, APatternMatchingNothingSaysSoAndANewSearchReplacesTheRows)
{
    find(QStringLiteral("nothing*"));
    EXPECT_EQ(results()->model()->rowCount(), 0);
    EXPECT_NE(child<QLabel>(finder, "lblStatus")->text().indexOf(QStringLiteral("0 found")), -1);
    find(QStringLiteral("OTHER.*"));
    ASSERT_EQ(results()->model()->rowCount(), 1);
    EXPECT_EQ(cell(0, 3), QStringLiteral("other.txt"));
}

// A German user's window (the application takes the locale from the environment) finds what
// "find -iname" finds in German, as rnx10-store does through the same core: "ärger*" finds Ärger.txt.
TEST_F(FindFilesWindowTest, InGermanFindsWhatFindInameFinds)
{
    const std::string before = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "scripts/deps --test generates this locale";
    const std::string day = store.day(QDate::currentDate().addDays(-2));
    const std::string copy =
        store.archive(day + "/09", "shellbak-1", "/home/ann/docs", {}, {{"\xc3\x84rger.txt", "1"}, {"sub/\xc3\xa4rger.odt", "2"}}) + "/copy";
    for (const QString &pattern : {QStringLiteral("\u00e4rger*"), QStringLiteral("?RGER.*")}) {
        find(pattern);
        QStringList shown;
        for (int row = 0; row < results()->model()->rowCount(); ++row)
            shown << cell(row, 3);
        shown.sort();
        QProcess oracle;
        QProcessEnvironment german = QProcessEnvironment::systemEnvironment();
        german.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
        oracle.setProcessEnvironment(german);
        oracle.setWorkingDirectory(QString::fromStdString(copy));
        oracle.start(QStringLiteral("find"), {QStringLiteral("."), QStringLiteral("-mindepth"), QStringLiteral("1"),
                                              QStringLiteral("-iname"), pattern, QStringLiteral("-printf"), QStringLiteral("%P\\n")});
        ASSERT_TRUE(oracle.waitForFinished());
        QStringList expected = QString::fromUtf8(oracle.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        expected.sort();
        EXPECT_EQ(shown, expected) << pattern.toStdString();
        EXPECT_EQ(expected.size(), 2);
    }
    std::setlocale(LC_ALL, before.c_str());
}

} // namespace

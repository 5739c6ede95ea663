// The "Thin Old Archives" window as a user drives it: numbers typed, the preview, Thin and its
// confirmation, the settings kept and the crontab line after the backups.
#include "../schedule/FakeTools.h"
#include "store/ThinningSettings.h"
#include "backup_browser/frmBackUpRestoreA.h"
#include "thinning/frmThinArchives.h"
#include "component/clsRNX10A.h"
#include "services/IniFile.h"
#include "services/ProgIds.h"
#include "services/ScheduledTaskService.h"
#include "support/Appearance.h"
#include "support/ScopedFactory.h"
#include "support/StoreBuilder.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

using namespace rnx10;
using namespace rnx10::test;

namespace {

const QDateTime kNow(QDate(2027, 1, 2), QTime(12, 0));

class ThinWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const std::string &run : runs) {
            makeFolders(makeRun(run) + "/copy");
            writeFile(run + "/archive/copy/data.bin", std::string(3 * 1048576, 'x'));
        }
        window = std::make_unique<frmThinArchives>(nullptr, store.computer(), kNow);
    }
    template <typename T> T *child(const char *name) const { return window->findChild<T *>(QString::fromLatin1(name)); }
    void type(const char *spinBox, const char *value) const
    {
        QSpinBox *box = child<QSpinBox>(spinBox);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, QString::fromLatin1(value));
        QTest::keyClick(box, Qt::Key_Return);
    }
    // Yearly 1 alone: the runs of 2026 and all but the newest of 2027 go.
    void typeYearlyOnly() const
    {
        for (const char *box : {"spnWithin", "spnDaily", "spnWeekly", "spnMonthly"})
            type(box, "0");
        type("spnYearly", "1");
    }
    QStringList listed() const
    {
        QStringList paths;
        QTreeWidget *list = child<QTreeWidget>("lstRuns");
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            paths << QString::fromLocal8Bit(list->topLevelItem(i)->data(0, Qt::UserRole).toByteArray());
        return paths;
    }
    // A click on the box's indicator, at its left end.
    void tick() const
    {
        QCheckBox *box = child<QCheckBox>("chkAfterBackup");
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }
    static QString q(const std::string &text) { return QString::fromStdString(text); }

    Installation inst;
    clsRNX10A component;
    StoreBuilder store{inst.store()};
    std::vector<std::string> runs = {store.computer() + "/2026/12/31/23-59", store.computer() + "/2027/1/1/00-01",
                                     store.computer() + "/2027/1/1/06-00"};
    std::shared_ptr<FakeTools> tools = std::make_shared<FakeTools>();
    ScopedFactory scheduledTasks{progid::ScheduledTasks, [fake = tools] {
        return std::static_pointer_cast<void>(
            std::make_shared<ScheduledTaskService>(fake, [] { return std::time_t{1796871600}; }));
    }};
    std::unique_ptr<frmThinArchives> window;
};

TEST_F(ThinWindow, TypedRuleListsItsRunsAtOnceThenTheirSizesAndKeepsTheRule)
{
    window->show();
    EXPECT_EQ(child<QSpinBox>("spnWithin")->value(), 2);
    EXPECT_EQ(child<QSpinBox>("spnYearly")->value(), 3);
    EXPECT_EQ(listed(), QStringList()); // the defaults keep all three
    typeYearlyOnly();
    EXPECT_EQ(listed(), (QStringList{q(runs[0]), q(runs[1])}));
    QLabel *total = child<QLabel>("lblTotal");
    EXPECT_TRUE(QTest::qWaitFor([&] { return total->text() == "2 of 3 runs to delete, total 6 MB"; }, 20000))
        << total->text().toStdString();
    QTreeWidget *list = child<QTreeWidget>("lstRuns");
    EXPECT_EQ(list->topLevelItem(1)->text(1), QStringLiteral("3 MB"));
    EXPECT_EQ(list->topLevelItem(0)->text(0), QStringLiteral("2026-12-31 23:59"));
    EXPECT_NE(list->topLevelItem(0)->toolTip(0).indexOf(q(runs[0])), -1);
    // Another number lists other runs, with the sizes measured already: none is measured again.
    type("spnYearly", "2");
    EXPECT_EQ(listed(), (QStringList{q(runs[1])}));
    EXPECT_EQ(list->topLevelItem(0)->text(1), QStringLiteral("3 MB"));
    writeScreenshot(window.get(), "thin-archives-light");
    {
        ScopedPalette dark(darkPalette());
        writeScreenshot(window.get(), "thin-archives-dark");
    }
    EXPECT_EQ(IniFile::read(thinningSettingsFile(), "Thinning", "Within"), "0");
    EXPECT_EQ(IniFile::read(thinningSettingsFile(), "Thinning", "Yearly"), "2");
    EXPECT_EQ(frmThinArchives(nullptr, store.computer(), kNow).findChild<QSpinBox *>("spnYearly")->value(), 2);
}

TEST_F(ThinWindow, ThinDeletesOnlyOnYes)
{
    writeFile(runs[0] + "/archive/copy/data.bin", std::string(10 * 1024, 'x')); // below a megabyte
    window->show();
    typeYearlyOnly();
    QLabel *total = child<QLabel>("lblTotal");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !total->text().contains(QStringLiteral("so far")); }, 20000));
    EXPECT_EQ(child<QTreeWidget>("lstRuns")->topLevelItem(0)->text(1), QStringLiteral("11 KB")); // with details.ini
    inst.prompt->answers = {Answer::No};
    QTest::mouseClick(child<QPushButton>("cmdThin"), Qt::LeftButton);
    for (const std::string &run : runs)
        EXPECT_TRUE(exists(run)) << run;
    QTest::mouseClick(child<QPushButton>("cmdThin"), Qt::LeftButton); // an empty script answers Yes
    EXPECT_FALSE(exists(runs[0]));
    EXPECT_FALSE(exists(runs[1]));
    EXPECT_TRUE(exists(runs[2] + "/archive/copy/data.bin"));
    ASSERT_EQ(inst.prompt->boxes.size(), 3u);
    EXPECT_EQ(inst.prompt->boxes[0].text, "Are you sure you want to delete the 2 runs listed? This will delete old data.");
    EXPECT_EQ(inst.prompt->boxes[0].byDefault, Answer::No); // Enter does not delete
    EXPECT_EQ(inst.prompt->boxes[2].text, "2 runs deleted, 3 MB freed.");
    EXPECT_TRUE(window->thinned());
    EXPECT_EQ(listed(), QStringList());
}

TEST_F(ThinWindow, AllZeroIsRefusedAndNothingCanBeThinned)
{
    window->show();
    typeYearlyOnly();
    type("spnYearly", "0");
    EXPECT_EQ(listed(), QStringList());
    EXPECT_FALSE(child<QPushButton>("cmdThin")->isEnabled());
    EXPECT_NE(child<QLabel>("lblTotal")->text().indexOf(QStringLiteral("all 0")), -1);
    EXPECT_EQ(IniFile::read(thinningSettingsFile(), "Thinning", "Yearly"), "1"); // the refused rule is not kept
}

TEST_F(ThinWindow, TickAddsOneMarkedLineAfterTheBackupsAndUntickRemovesIt)
{
    const std::string backup = "0 22 * * 1,3 '/opt/p/regbak.exe' # rnx10 job: regbak\n";
    tools->crontab = "MAILTO=ann\n" + backup;
    window->show();
    tick();
    const std::string tool = QFileInfo(QString::fromLocal8Bit(std::getenv("RNX10_BINARY_DIR")) + "/bin/rnx10-store")
                                 .canonicalFilePath()
                                 .toStdString();
    EXPECT_EQ(*tools->crontab, "MAILTO=ann\n" + backup + "30 22 * * 1,3 '" + tool +
                                   "' thin --within 2 --daily 7 --weekly 5 --monthly 12 --yearly 3 # rnx10 job: thin\n");
    type("spnDaily", "9"); // a changed rule follows into the line
    EXPECT_NE(tools->crontab->find("--daily 9 "), std::string::npos) << *tools->crontab;
    EXPECT_EQ(IniFile::read(thinningSettingsFile(), "Thinning", "AfterBackup"), "1");
    tick();
    EXPECT_EQ(*tools->crontab, "MAILTO=ann\n" + backup);
    EXPECT_EQ(IniFile::read(thinningSettingsFile(), "Thinning", "AfterBackup"), "0");
}

// The box shows what the crontab holds, whatever the settings last said: lines added or removed
// elsewhere (by hand, or with the last backup job) count.
TEST_F(ThinWindow, TheBoxShowsWhetherTheCrontabHoldsTheThinningLines)
{
    const std::string backup = "0 22 * * 1 '/opt/p/regbak.exe' # rnx10 job: regbak\n";
    for (const bool scheduled : {true, false}) {
        tools->crontab = backup + (scheduled ? "30 22 * * 1 '/opt/z/rnx10-store' thin # rnx10 job: thin\n" : "");
        const frmThinArchives reopened(nullptr, store.computer(), kNow);
        EXPECT_EQ(reopened.findChild<QCheckBox *>(QStringLiteral("chkAfterBackup"))->isChecked(), scheduled);
    }
}

TEST_F(ThinWindow, TickWithoutAScheduledBackupIsToldAndUndone)
{
    window->show();
    tick();
    EXPECT_FALSE(child<QCheckBox>("chkAfterBackup")->isChecked());
    ASSERT_EQ(inst.prompt->boxes.size(), 1u);
    EXPECT_NE(inst.prompt->boxes[0].text.find("no backup is scheduled"), std::string::npos);
    EXPECT_FALSE(tools->crontab.has_value());
}

// The browser's entry opens the window on this computer's folder.
TEST(ThinMenu, TheEntryOpensTheWindowOnTheComputerFolder)
{
    Installation inst;
    clsRNX10A component;
    StoreBuilder store{inst.store()};
    makeRun(store.computer() + "/2027/1/1/06-00");
    frmBackUpRestoreA browser;
    QString opened;
    QTimer::singleShot(0, [&] {
        if (auto *thin = qobject_cast<frmThinArchives *>(QApplication::activeModalWidget())) {
            opened = thin->findChild<QLabel *>(QStringLiteral("lblTotal"))->text();
            thin->close();
        }
    });
    browser.findChild<QAction *>(QStringLiteral("mnuPopUpThinArchives"))->trigger();
    EXPECT_EQ(opened, QStringLiteral("0 of 1 runs to delete"));
}

} // namespace

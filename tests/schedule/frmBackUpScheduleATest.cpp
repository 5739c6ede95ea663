#include "FakeTools.h"
#include "FixedClock.h"

#include "automation/ObjectRegistry.h"
#include "component/clsRNX10A.h"
#include "schedule/frmBackUpScheduleA.h"
#include "services/IniFile.h"
#include "services/ProgIds.h"
#include "services/ScheduledTaskService.h"
#include "support/Appearance.h"
#include "support/ScopedFactory.h"
#include "support/StoreBuilder.h"
#include "support/TestSupport.h"
#include "ui/PlainToolTip.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include <pwd.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <sstream>

using namespace rnx10;
using namespace rnx10::test;

namespace {

const char *kScheduled = "Zorvane backup tools has been successfully scheduled in windows schedules, you can modify "
                         "schedules from windows schedule tasks under control panel";

class ScheduleDialog : public ::testing::Test {
protected:
    void SetUp() override { dialog.show(); }

    template <typename T> T *child(const char *name) { return dialog.findChild<T *>(name); }
    void clickOK() { QTest::mouseClick(child<QPushButton>("cmdOK"), Qt::LeftButton); }
    // The calls that would change the schedule; showing the dialog only reads it.
    std::vector<FakeTools::Call> changes() const
    {
        std::vector<FakeTools::Call> found;
        for (const FakeTools::Call &call : tools->calls)
            if (call.program == "atrm" || (call.program == "crontab" && call.arguments[0] != "-l") ||
                (call.program == "at" && call.arguments[0] != "-c"))
                found.push_back(call);
        return found;
    }
    std::vector<std::string> listed()
    {
        std::vector<std::string> rows;
        auto *list = child<QTreeWidget>("lstScheduled");
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            rows.push_back((list->topLevelItem(i)->text(0) + " | " + list->topLevelItem(i)->text(1)).toStdString());
        return rows;
    }
    std::string job(const char *name)
    {
        return "0 22 * * * '" + inst.programRoot() + "/1.0/Sys/" + name + ".exe' # rnx10 job: " + name + "\n";
    }

    Installation inst;
    clsRNX10A component;
    std::shared_ptr<FakeTools> tools = std::make_shared<FakeTools>();
    frmBackUpScheduleA dialog;
    // Every scheduling service the dialog makes drives the fake tools, at a fixed now.
    ScopedFactory scheduledTasks{progid::ScheduledTasks, [fake = tools] {
        const auto now = [] { return std::time_t{1796871600}; };
        return std::static_pointer_cast<void>(std::make_shared<ScheduledTaskService>(fake, now));
    }};
};

TEST_F(ScheduleDialog, StartsWithItsCaptionTextsAndFocusOrder)
{
    EXPECT_EQ(dialog.windowTitle(), "Add Backup Schedule Task");
    EXPECT_EQ(child<QLabel>("Label2")->text(), "Time");
    EXPECT_EQ(child<QLabel>("Label3")->text(), "Date");
    EXPECT_EQ(child<QLineEdit>("txtTIME")->text(), "22:00");
    EXPECT_EQ(child<QLineEdit>("txtTIME")->toolTip(), "Format : 22:00 (hh:mm)");
    EXPECT_EQ(child<QLineEdit>("txtDays")->text(), "M,T,W,TH,F,S,SU");
    EXPECT_EQ(child<QLineEdit>("txtDays")->toolTip(), "Format : M,T,W,TH,F,S,SU");
    EXPECT_EQ(child<QRadioButton>("Option1")->text(), "next");
    EXPECT_FALSE(child<QRadioButton>("Option1")->isChecked());
    EXPECT_EQ(child<QRadioButton>("Option2")->text(), "every");
    EXPECT_TRUE(child<QRadioButton>("Option2")->isChecked());
    EXPECT_EQ(child<QPushButton>("cmdOK")->text(), "&OK");
    EXPECT_EQ(child<QPushButton>("cmdCancel")->text(), "&Cancel");
    EXPECT_NE(child<QWidget>("Frame1"), nullptr);

    std::vector<std::string> order;
    QWidget *w = child<QWidget>("txtTIME");
    for (int i = 0; i < 6; ++i, w = w->nextInFocusChain()) {
        while (!(w->focusPolicy() & Qt::TabFocus))
            w = w->nextInFocusChain();
        order.push_back(w->objectName().toStdString());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"txtTIME", "Option2", "Option1", "txtDays", "cmdOK", "cmdCancel"}));
}

TEST_F(ScheduleDialog, OkWithTheInitialValuesSchedulesRegbakThenShellbakEveryDayAt2200)
{
    clickOK();
    ASSERT_TRUE(tools->crontab);
    EXPECT_EQ(*tools->crontab, job("regbak") + job("shellbak"));
    ASSERT_EQ(inst.prompt->boxes.size(), 2u);
    EXPECT_EQ(inst.prompt->boxes[0].text, "Are you sure?");
    EXPECT_EQ(inst.prompt->boxes[0].title, "sure...");
    EXPECT_TRUE(inst.prompt->boxes[0].question);
    EXPECT_EQ(inst.prompt->boxes[1].text, kScheduled);
    EXPECT_EQ(inst.prompt->boxes[1].title, "Scheduled...");
    EXPECT_EQ(inst.prompt->boxes[1].icon, Icon::Information);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(ScheduleDialog, NextQueuesTwoAtJobsInsteadOfCrontabLines)
{
    QTest::mouseClick(child<QRadioButton>("Option1"), Qt::LeftButton);
    clickOK();
    ASSERT_EQ(tools->atJobs.size(), 2u);
    EXPECT_EQ(tools->atJobs[0].input, "'" + inst.programRoot() + "/1.0/Sys/regbak.exe' # rnx10 job: regbak\n");
    EXPECT_EQ(tools->atJobs[1].input, "'" + inst.programRoot() + "/1.0/Sys/shellbak.exe' # rnx10 job: shellbak\n");
    EXPECT_FALSE(tools->crontab);
}

TEST_F(ScheduleDialog, NoCancelAndEscapeRegisterNothing)
{
    inst.prompt->answers = {Answer::No};
    clickOK();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(changes().empty());

    QTest::mouseClick(child<QPushButton>("cmdCancel"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    for (const char *name : {"txtTIME", "Option1", "Option2", "txtDays", "cmdOK", "cmdCancel"}) {
        SCOPED_TRACE(name);
        dialog.show();
        QTest::keyClick(child<QWidget>(name), Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
    }
    EXPECT_TRUE(changes().empty());
}

TEST_F(ScheduleDialog, BadInputIsToldAndTheDialogStaysOpenWithTheCrontabUnchanged)
{
    tools->crontab = "MAILTO=\"\"\n";
    const std::pair<const char *, const char *> bad[] = {
        {"X,Y", "22:00"}, {"M;T", "22:00"}, {"M,T\n* * * * * rm -rf ~", "22:00"},
        {"M,T", "24:00"}, {"M,T", "7"},     {"M,T", "22:60"},
        {"M,T", "ab:cd"},
    };
    for (const auto &[days, time] : bad) {
        SCOPED_TRACE(std::string(days) + " | " + time);
        inst.prompt->boxes.clear();
        child<QLineEdit>("txtDays")->setText(days);
        child<QLineEdit>("txtTIME")->setText(time);
        clickOK();
        ASSERT_EQ(inst.prompt->boxes.size(), 2u);
        EXPECT_EQ(inst.prompt->boxes[1].icon, Icon::Critical);
        EXPECT_EQ(inst.prompt->boxes[1].text.rfind("Invalid procedure call or argument", 0), 0u);
        EXPECT_TRUE(dialog.isVisible());
    }
    EXPECT_EQ(*tools->crontab, "MAILTO=\"\"\n");
}

TEST_F(ScheduleDialog, AServiceThatCannotBeCreatedIsTold)
{
    ObjectRegistry::unregister(progid::ScheduledTasks);
    clickOK();
    ASSERT_EQ(inst.prompt->boxes.size(), 2u);
    EXPECT_EQ(inst.prompt->boxes[1].text.rfind("Component can't create object", 0), 0u);
    EXPECT_TRUE(dialog.isVisible());
}

// A failure no scheduling code expects (no memory for a pipe, say) is told like an error, and
// never leaves the click into Qt's event loop.
TEST_F(ScheduleDialog, AnUnexpectedFailureIsToldAndTheDialogStays)
{
    struct ThrowingTools : FakeTools {
        CommandResult run(const std::string &program, const std::vector<std::string> &arguments,
                          const std::string &input) override
        {
            if (program == "crontab" && arguments.at(0) != "-l")
                throw std::runtime_error("no pipe for crontab");
            return FakeTools::run(program, arguments, input);
        }
    };
    ScopedFactory throwing{progid::ScheduledTasks, [] {
        const auto now = [] { return std::time_t{1796871600}; };
        return std::static_pointer_cast<void>(std::make_shared<ScheduledTaskService>(std::make_shared<ThrowingTools>(), now));
    }};
    EXPECT_NO_THROW(clickOK());
    ASSERT_EQ(inst.prompt->boxes.size(), 2u);
    EXPECT_EQ(inst.prompt->boxes[1].text, "no pipe for crontab");
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(ScheduleDialog, ShowsWhatIsScheduledAndSchedulingAgainShowsTheNewState)
{
    EXPECT_TRUE(listed().empty());
    EXPECT_EQ(child<QLabel>("lblScheduledState")->text(), "The backup tools are not scheduled.");
    clickOK();
    EXPECT_FALSE(dialog.isVisible());

    frmBackUpScheduleA again;
    again.show();
    QTest::mouseClick(again.findChild<QRadioButton *>("Option1"), Qt::LeftButton);
    again.findChild<QLineEdit *>("txtDays")->setText("F");
    QTest::mouseClick(again.findChild<QPushButton *>("cmdOK"), Qt::LeftButton);
    dialog.show(); // a later opening reads the scheduler afresh
    EXPECT_EQ(listed(), (std::vector<std::string>{"regbak | every M,T,W,TH,F,S,SU at 22:00",
                                                  "shellbak | every M,T,W,TH,F,S,SU at 22:00",
                                                  "regbak | next: Fri Dec 11 22:00:00 2026",
                                                  "shellbak | next: Fri Dec 11 22:00:00 2026"}));
    EXPECT_EQ(child<QLabel>("lblScheduledState")->text(), "4 jobs are scheduled.");
    EXPECT_EQ(child<QTreeWidget>("lstScheduled")->topLevelItem(3)->toolTip(1).toStdString(),
              "Runs " + inst.programRoot() + "/1.0/Sys/shellbak.exe");
}

// A program path from the settings holding markup shows whole, as text.
TEST_F(ScheduleDialog, AJobsProgramWithMarkupInItsPathShowsAsText)
{
    const std::string program = "/opt/<b>z <!-- x/regbak.exe";
    tools->crontab = "0 22 * * * '" + program + "' # rnx10 job: regbak\n";
    dialog.hide();
    dialog.show();
    ASSERT_EQ(listed(), (std::vector<std::string>{"regbak | every M,T,W,TH,F,S,SU at 22:00"}));
    const QTreeWidgetItem *row = child<QTreeWidget>("lstScheduled")->topLevelItem(0);
    for (int column : {0, 1})
        EXPECT_EQ(toolTipPlainText(row->toolTip(column)).toStdString(), "Runs " + program);
    EXPECT_EQ(child<QLabel>("lblScheduledState")->textFormat(), Qt::PlainText);
}

TEST_F(ScheduleDialog, RemoveTakesTheSelectedJobsOffAfterAYes)
{
    tools->crontab = "MAILTO=\"\"\n" + job("regbak") + job("shellbak");
    tools->queueAt("'/opt/regbak.exe' # rnx10 job: regbak\n", testUser());
    tools->queueAt("tar czf /tmp/photos.tgz /home/u/Photos\n", testUser());
    dialog.hide();
    dialog.show();
    ASSERT_EQ(listed().size(), 3u);
    auto *list = child<QTreeWidget>("lstScheduled");
    auto *remove = child<QPushButton>("cmdRemoveScheduled");
    EXPECT_FALSE(remove->isEnabled());

    list->topLevelItem(1)->setSelected(true);
    inst.prompt->answers = {Answer::No};
    QTest::mouseClick(remove, Qt::LeftButton);
    EXPECT_TRUE(changes().empty());
    ASSERT_EQ(inst.prompt->boxes.size(), 1u);
    EXPECT_EQ(inst.prompt->boxes[0].text, "Take the selected jobs off the schedule?");

    list->topLevelItem(2)->setSelected(true);
    QTest::mouseClick(remove, Qt::LeftButton);
    EXPECT_EQ(*tools->crontab, "MAILTO=\"\"\n" + job("regbak"));
    EXPECT_EQ(tools->atQueue.size(), 1u) << "the user's own at job stays";
    EXPECT_EQ(listed(), (std::vector<std::string>{"regbak | every M,T,W,TH,F,S,SU at 22:00"}));

    // From the keyboard: the list takes the focus by Tab, Delete removes the current row.
    list->setFocus();
    list->setCurrentItem(list->topLevelItem(0));
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(*tools->crontab, "MAILTO=\"\"\n");
    EXPECT_TRUE(listed().empty());
}

TEST_F(ScheduleDialog, AScheduleThatCannotBeReadIsShownInPlaceOfTheList)
{
    tools->atqFailure = "Cannot change to /var/spool/cron/atjobs: Permission denied\n";
    dialog.hide();
    dialog.show();
    EXPECT_TRUE(listed().empty());
    const std::string state = child<QLabel>("lblScheduledState")->text().toStdString();
    EXPECT_EQ(state.rfind("The schedule cannot be read: ", 0), 0u) << state;
    EXPECT_NE(state.find("Permission denied"), std::string::npos) << state;
    EXPECT_TRUE(inst.prompt->boxes.empty());
}

TEST_F(ScheduleDialog, EnterPressesOkOrTheButtonThatHasTheFocus)
{
    // Focus moves as a user moves it: Tab in the active window.
    const auto focusOn = [&](const char *name) {
        for (int i = 0; i < 10 && QApplication::focusWidget() != child<QWidget>(name); ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), child<QWidget>(name));
    };
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    for (const char *name : {"txtTIME", "Option2", "txtDays", "Option1"}) {
        SCOPED_TRACE(name);
        inst.prompt->boxes.clear();
        inst.prompt->answers = {Answer::No};
        if (std::string(name) == "Option1") {
            // Tab reaches the chosen option of the two; an arrow key chooses the other.
            focusOn("Option2");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
            EXPECT_TRUE(child<QRadioButton>("Option1")->isChecked());
        }
        focusOn(name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        ASSERT_EQ(inst.prompt->boxes.size(), 1u);
        EXPECT_EQ(inst.prompt->boxes[0].text, "Are you sure?");
    }
    focusOn("cmdCancel");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(changes().empty());

    frmBackUpScheduleA again;
    again.show();
    again.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&again));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    EXPECT_EQ(*tools->crontab, job("regbak") + job("shellbak"));
    EXPECT_FALSE(again.isVisible());
}

TEST_F(ScheduleDialog, ShowsTheLastAndNextBackupAndWarningsUnderTheJobList)
{
    useUtc(); // the fixed now is 2026-12-10 03:00
    dialog.hide();
    makeRun(inst.store() + "/" + StoreBuilder::defaultComputer() + "/2026/12/1/21-05", "Regs");
    makeRun(inst.store() + "/other-pc/2026/12/9/21-05", "Regs"); // another computer's is not ours
    tools->crontab = savedOutput("crontab-list-user.txt") + job("regbak");
    dialog.show();

    auto *last = child<QLabel>("lblLastBackup");
    auto *next = child<QLabel>("lblNextBackup");
    auto *warnings = child<QLabel>("lblScheduleWarnings");
    EXPECT_EQ(last->text(), "Last backup: 2026-12-01 21:05 (8 days ago)");
    EXPECT_EQ(next->text(), "Next backup: 2026-12-10 22:00 (regbak)");
    EXPECT_TRUE(warnings->isVisible());
    EXPECT_TRUE(warnings->text().split('\n').contains("No backup for 8 days.")) << warnings->text().toStdString();
    EXPECT_EQ(child<QLabel>("lblScheduledState")->text(), "1 job is scheduled.");
    // Each a line of its own, under the list, inside the dialog.
    auto *list = child<QTreeWidget>("lstScheduled");
    const auto top = [this](QWidget *w) { return w->mapTo(&dialog, QPoint(0, 0)).y(); };
    EXPECT_GT(top(last), top(list) + list->height());
    EXPECT_GE(top(next), top(last) + last->height());
    EXPECT_GE(top(warnings), top(next) + next->height());
    EXPECT_LE(top(warnings) + warnings->height(), dialog.height());
    writeScreenshot(&dialog, "frmBackUpScheduleA-health");
    {
        const ScopedPalette dark(darkPalette());
        writeScreenshot(&dialog, "frmBackUpScheduleA-health-dark");
    }

    // Nothing scheduled and no archive yet.
    dialog.hide();
    tools->crontab.reset();
    std::filesystem::remove_all(inst.store());
    dialog.show();
    EXPECT_EQ(last->text(), "Last backup: none yet");
    EXPECT_EQ(next->text(), "Next backup: none scheduled");
    EXPECT_TRUE(warnings->text().split('\n').contains("There is no backup of this computer yet."));
}

TEST_F(ScheduleDialog, RendersForALook)
{
    const char *out = std::getenv("RNX10_SCREENSHOTS");
    if (!out)
        GTEST_SKIP() << "set RNX10_SCREENSHOTS to a folder to save the picture";
    EXPECT_TRUE(dialog.grab().save(QString::fromStdString(std::string(out) + "/frmBackUpScheduleA.png")));
}

TEST_F(ScheduleDialog, JobLinesRunWithCronsEnvironmentFindTheirKeysInEnvironmentIniAndWriteArchives)
{
    // Cron gives a job HOME, LOGNAME, PATH and SHELL only: every key comes from environment.ini.
    inst.env.set("ZVENVSYS32MASK", builtProgramRoot());
    const std::string store = inst.root() + "/cron-store", letters = inst.home() + "/Letters";
    makeFolders(letters);
    makeFolders(inst.home() + "/.config/zorvane");
    writeFile(letters + "/a.txt", "a letter");
    writeFile(inst.home() + "/.config/zorvane/environment.ini",
              "[Environment]\nZVENVSBAK=" + store + "\n[ShellBackup]\nFolder1=" + letters + "\n");
    clickOK();
    ASSERT_TRUE(tools->crontab);

    const passwd *user = ::getpwuid(::getuid());
    ASSERT_NE(user, nullptr);
    std::istringstream lines(*tools->crontab);
    int jobs = 0;
    for (std::string line; std::getline(lines, line); ++jobs) {
        SCOPED_TRACE(line);
        // Cron hands everything after the five time fields to the shell, the marker comment included.
        std::istringstream fields(line);
        std::string field, command;
        for (int i = 0; i < 5; ++i)
            fields >> field;
        std::getline(fields, command);
        QProcess job;
        job.start("/usr/bin/env", {"-i", QString::fromStdString("HOME=" + inst.home()),
                                   QString::fromUtf8("LOGNAME=") + user->pw_name, "PATH=/usr/bin:/bin",
                                   "SHELL=/bin/sh", "/bin/sh", "-c", QString::fromStdString(command)});
        ASSERT_TRUE(job.waitForFinished(60000));
        EXPECT_EQ(job.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(job.exitCode(), 0) << job.readAllStandardError().toStdString();
    }
    EXPECT_EQ(jobs, 2);

    std::set<std::string> sources;
    ASSERT_TRUE(exists(store));
    for (const auto &entry : std::filesystem::recursive_directory_iterator(store))
        if (entry.path().filename() == "details.ini")
            sources.insert(IniFile::read(entry.path().string(), "DETAILS", "SourceDir").value_or("?"));
    EXPECT_EQ(sources, (std::set<std::string>{"REGKEYS", letters}));
}

} // namespace

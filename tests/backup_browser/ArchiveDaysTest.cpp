// The days of a month that hold archives, and the calendar that shows them in bold: from the year,
// month and day folders alone, looked at again after a scan, a deletion and a backup.
#include "UnreadableFileSystem.h"

#include "store/ArchiveDays.h"
#include "backup_browser/frmBackUpRestoreA.h"
#include "support/BrowserFixture.h"

#include <QCalendarWidget>
#include <QProcess>
#include <QTest>
#include <QTextCharFormat>

using namespace rnx10;
using namespace rnx10::test;

namespace {

// Writes down every folder listed and every size asked for.
class RecordingFileSystem : public FileSystemObject {
public:
    std::vector<std::string> subFolders(const std::string &path) override
    {
        listed.push_back(path);
        return FileSystemObject::subFolders(path);
    }
    std::vector<std::string> files(const std::string &path) override
    {
        listed.push_back(path);
        return FileSystemObject::files(path);
    }
    std::uint64_t folderSize(const std::string &path) override
    {
        measured.push_back(path);
        return FileSystemObject::folderSize(path);
    }
    std::vector<std::string> listed, measured;
};

class ArchiveDaysTest : public StoreFixture {};

TEST_F(ArchiveDaysTest, DaysWithAnHourFolderAsTheScanFindsThem)
{
    for (const char *folder : {"2026/12/3/09-00", "2026/12/10/09-00/archive/copy/deep/deeper", "2026/12/10/21-05",
                               "2026/12/11",          // a day without hours
                               "2026/12/015",         // read as 15, but no folder 15 to address
                               "2026/12/020", "2026/12/20/09-00", // read as 20, addressed as 20
                               "2026/12/notaday/09-00", "2026/11/5/09-00", "2025/12/7/09-00"})
        store.folder(folder);
    fileOfSize(store.computer() + "/2026/12/12/not-an-hour", 3);
    RecordingFileSystem recording;
    const ArchiveDays days = archiveDays(recording, store.computer(), 2026, 12);
    EXPECT_EQ(days.days, (std::set<int>{3, 10, 20}));
    EXPECT_TRUE(recording.measured.empty());
    // Nothing below a day folder is listed: the computer, year, month and day levels alone.
    const std::string computer = store.computer();
    for (const std::string &path : recording.listed) {
        SCOPED_TRACE(path);
        ASSERT_EQ(path.rfind(computer, 0), 0u);
        const std::string below = path.substr(computer.size());
        EXPECT_LE(std::count(below.begin(), below.end(), '/'), 3);
    }
    EXPECT_EQ(days.folders, recording.listed);
    EXPECT_EQ(archiveDays(fso, store.computer(), 2026, 11).days, (std::set<int>{5}));
    EXPECT_EQ(archiveDays(fso, store.computer(), 2025, 12).days, (std::set<int>{7}));
    EXPECT_TRUE(archiveDays(fso, store.computer(), 2026, 1).days.empty());
}

TEST_F(ArchiveDaysTest, LevelsThatCannotBeListedHoldNothing)
{
    store.folder("2026/12/3/09-00");
    store.folder("2026/12/4/09-00");
    const struct {
        const char *label;
        std::string unreadable, computer;
        std::set<int> days;
    } cases[] = {
        {"no store", "", "", {}},
        {"missing computer folder", "", store.computer() + "-gone", {}},
        {"unreadable month", "/2026/12", store.computer(), {}},
        {"unreadable day", "/12/4", store.computer(), {3}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        UnreadableFileSystem unreadable(c.unreadable.empty() ? std::string("\x01") : c.unreadable);
        EXPECT_EQ(archiveDays(unreadable, c.computer, 2026, 12).days, c.days);
    }
    store.folder("2026/012/5/09-00"); // a month named 012 and no folder 12: as the scan, nothing
    ::rename((store.computer() + "/2026/12").c_str(), (store.computer() + "/2026/twelve").c_str());
    EXPECT_TRUE(archiveDays(fso, store.computer(), 2026, 12).days.empty());
}

class BrowserCalendarTest : public BrowserFixture {
protected:
    std::set<QDate> boldDays() const
    {
        std::set<QDate> days;
        const auto formats = child<QCalendarWidget>("MonthView1")->dateTextFormat();
        for (auto it = formats.begin(); it != formats.end(); ++it)
            if (it.value().fontWeight() == QFont::Bold)
                days.insert(it.key());
        return days;
    }

    // A day of this month other than today.
    static QDate otherDay()
    {
        const QDate today = QDate::currentDate();
        return today.day() == 1 ? today.addDays(1) : QDate(today.year(), today.month(), 1);
    }
};

TEST_F(BrowserCalendarTest, BoldDaysAreTheStoresDayFoldersWithHours)
{
    const QDate today = QDate::currentDate(), lastMonth = today.addMonths(-1);
    const QDate earlier(lastMonth.year(), lastMonth.month(), 15);
    makeFolders(store.day(otherDay()) + "/09-00");
    store.archive(store.hour("21-05"), "today", inst.home());
    makeFolders(store.day(earlier) + "/09-00");
    makeFolders(store.day(QDate(today.year(), today.month(), today.day() == 28 ? 27 : 28))); // no hours
    ASSERT_TRUE(open());
    EXPECT_EQ(boldDays(), (std::set<QDate>{otherDay(), today}));
    auto *calendar = child<QCalendarWidget>("MonthView1");
    calendar->showPreviousMonth();
    EXPECT_EQ(boldDays(), (std::set<QDate>{earlier}));
    calendar->showNextMonth();
    EXPECT_EQ(boldDays(), (std::set<QDate>{otherDay(), today}));
}

TEST_F(BrowserCalendarTest, LookedAtAgainAfterAScanADeletionAndABackup)
{
    store.archive(store.hour("09-00"), "today", inst.home());
    ASSERT_TRUE(open());
    const QDate today = QDate::currentDate();
    ASSERT_EQ(boldDays(), (std::set<QDate>{today}));

    // A scan: an hour made elsewhere shows once a date is picked.
    makeFolders(store.day(otherDay()) + "/10-00");
    pickDate(otherDay());
    EXPECT_EQ(boldDays(), (std::set<QDate>{otherDay(), today}));

    // A deletion: the day deleted from the popup is no longer bold.
    pickDate(today);
    answer({Answer::Yes});
    trigger("mnuPopUpDeleteDay");
    EXPECT_EQ(boxes().back().text, "Succesfully deleted...");
    EXPECT_EQ(boldDays(), (std::set<QDate>{otherDay()}));

    // A backup by the stand-in tool while the browser is open: today is bold again.
    inst.env.set("ZVENVSYS32MASK", RNX10_TEST_PROGRAM_ROOT);
    makeFolders(inst.root() + "/xdg/config/zorvane");
    writeFile(inst.root() + "/xdg/config/zorvane/environment.ini", "[Environment]\n");
    QProcess tool;
    tool.start(QStringLiteral(RNX10_TEST_PROGRAM_ROOT "/1.0/Sys/regbak.exe"), {});
    ASSERT_TRUE(tool.waitForFinished(60000));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return boldDays() == std::set<QDate>{otherDay(), today}; }, 20000));
}

} // namespace

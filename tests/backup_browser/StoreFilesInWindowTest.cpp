// The browser over store files a user's own files never are: FIFOs where details.ini or the
// report belongs, and details values of kilobytes. Nothing waits on them and nothing shows them whole.
#include "LateFifoPeer.h"

#include "store_views/ArchiveItems.h"
#include "backup_browser/ArchiveListView.h"
#include "store/ShownValue.h"
#include "store/StoreReport.h"
#include "backup_browser/frmBackUpRestoreA.h"
#include "support/BrowserFixture.h"

#include <QDate>
#include <QStandardItemModel>

#include <fcntl.h>
#include <sys/stat.h>

using namespace rnx10;
using namespace rnx10::test;

namespace {

class StoreFilesInWindowTest : public BrowserFixture {
protected:
    // Today's hour folder of that name.
    std::string todaysHour(const std::string &name)
    {
        const QDate d = QDate::currentDate();
        return store.folder(std::to_string(d.year()) + "/" + std::to_string(d.month()) + "/" + std::to_string(d.day()) +
                            "/" + name);
    }
    // The text the list shows in a column of the row of that name, and the bytes it keeps.
    QString shownCell(const QString &row, int column) const { return rowNamed(row).siblingAtColumn(column).data().toString(); }
    std::string keptCell(const QString &row, int column) const
    {
        return rowNamed(row).siblingAtColumn(column).data(kRawBytesRole).toByteArray().toStdString();
    }
};

TEST_F(StoreFilesInWindowTest, FifoAsDetailsIsListedAsMissingDetailsWithoutWaiting)
{
    const std::string hour = todaysHour("09-00");
    store.sizedArchive(hour, "shell", StoreBuilder::detailsText("/s", hour + "/shell/data"));
    store.sizedArchive(hour, "pipe", std::nullopt);
    const std::string fifo = hour + "/pipe/details.ini";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);

    LateFifoPeer writer(fifo, LateFifoPeer::Writer, "[DETAILS]\nSourceDir=late\n");
    ASSERT_TRUE(open());
    pickHour("09-00");
    const int rows = rowCount();
    writer.release();
    EXPECT_FALSE(writer.came()) << "the window waited for a writer to the FIFO";
    EXPECT_EQ(rows, 2);
    EXPECT_EQ(keptCell("pipe", 1), "");
    EXPECT_EQ(keptCell("shell", 1), "/s");
}

TEST_F(StoreFilesInWindowTest, FifoAtTheReportPathIsRefusedWithoutWaiting)
{
    todaysHour("09-00");
    ASSERT_TRUE(open());
    for (const bool someoneReads : {false, true}) {
        SCOPED_TRACE(someoneReads ? "a reader holds the FIFO" : "no reader");
        const std::string path = storeReportPath();
        ::unlink(path.c_str());
        ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
        Descriptor reader(someoneReads ? ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC) : -1);
        LateFifoPeer late(path, LateFifoPeer::Reader);
        boxes().clear();
        click("cmdReport");
        late.release();
        EXPECT_FALSE(late.came()) << "the report waited for a reader of the FIFO";
        ASSERT_FALSE(boxes().empty());
        EXPECT_NE(lastText().find("Path/File access error"), std::string::npos) << lastText();
        struct stat st{};
        ASSERT_EQ(::lstat(path.c_str(), &st), 0);
        EXPECT_TRUE(S_ISFIFO(st.st_mode));
        EXPECT_TRUE(inst.shell->opened.empty());
    }
}

TEST_F(StoreFilesInWindowTest, LongValuesAreShownShortAndUsedWhole)
{
    const std::string hour = todaysHour("09-00");
    std::string source = inst.root();
    for (int i = 0; i < 10; ++i)
        source += "/" + std::string(200, static_cast<char>('a' + i));
    makeFolders(source);
    const std::string copy = hour + "/long/data";
    store.sizedArchive(hour, "long", StoreBuilder::detailsText(source, copy));
    ASSERT_TRUE(open());
    pickHour("09-00");

    const QString shown = shownCell("long", 1);
    EXPECT_EQ(shown.size(), static_cast<qsizetype>(kMostShownBytes) + 1);
    EXPECT_TRUE(shown.endsWith(QStringLiteral("\u2026")));
    EXPECT_EQ(keptCell("long", 1), source);

    clickRow("long");
    EXPECT_EQ(window()->SelectedSourceDir(), source);
    EXPECT_EQ(window()->statusText(1), shownValue(source) + "\r\nSize : 0 MB");

    answer({Answer::No});
    clearAndTrigger("mnuPopUpStartRestore");
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text,
              "Are you sure you want to copy " + copy + " to " + shownValue(source) + " . This will delete old data.");
    EXPECT_TRUE(exists(source));
}

} // namespace

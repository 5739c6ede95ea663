// Restore, report, backups, schedule and locker of the browser, driven through the window.
#include "FailingCopyFileSystem.h"

#include "support/BrowserFixture.h"
#include "support/ScopedFactory.h"

#include "backup_browser/frmBackUpRestoreA.h"
#include "platform/MousePointer.h"
#include "schedule/frmBackUpScheduleA.h"
#include "services/RuntimeService.h"
#include "services/ServiceSet.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <unistd.h>

#include <algorithm>

using namespace rnx10;
using namespace rnx10::test;

namespace {

class BrowserCommands : public BrowserFixture {
protected:
    void SetUp() override
    {
        source = inst.home() + "/docs";
        makeFolders(source);
        writeFile(source + "/old.txt", "old");
        archive = store.archive(store.hour("09-00"), "arch", source);
        store.archive(store.hour("09-00"), "registry", "REGKEYS");
        ASSERT_TRUE(open());
        pickHour("09-00");
    }

    std::string source, archive;
};

TEST_F(BrowserCommands, RestoreAsksThenReplacesTheSourceWithTheCopy)
{
    clickRow("arch");
    clearAndTrigger("mnuPopUpStartRestore");
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_EQ(boxes()[0].text, "Are you sure you want to copy " + archive + "/copy to " + source + " . This will delete old data.");
    EXPECT_EQ(boxes()[0].title, "Sure...");
    // Before, what will happen to the current folder; after, what did.
    EXPECT_NE(boxes()[0].details.find("\n\nThe current folder is moved to the desktop trash"), std::string::npos)
        << boxes()[0].details;
    EXPECT_EQ(boxes()[1].text, "Done...\n\nThe replaced folder is in the desktop trash as " + inst.root() + "/xdg/data/Trash/files/docs.");
    EXPECT_EQ(boxes()[1].icon, Icon::None);
    EXPECT_EQ(treeListing(source), treeListing(archive + "/copy"));
    EXPECT_EQ(m_window->SelectedDestinationDir(), archive + "/copy"); // still selected: restore again at once
    EXPECT_EQ(currentMousePointer(), MousePointer::Arrow);
}

// A socket in the copy is not made; "Done..." names it after what became of the replaced folder.
TEST_F(BrowserCommands, RestoreNamesTheSocketsItDidNotCopy)
{
    const std::string socketPath = archive + "/copy/sub/sock";
    const int sock = bindSocketAt(socketPath);
    ASSERT_GE(sock, 0) << socketPath;
    clickRow("arch");
    clearAndTrigger("mnuPopUpStartRestore");
    ASSERT_EQ(boxes().size(), 2u);
    const std::string &told = boxes()[1].text;
    EXPECT_EQ(firstLine(told), "Done...");
    EXPECT_TRUE(told.ends_with("\n\nNot restored (sockets and devices are never copied):\n" + socketPath)) << told;
    EXPECT_TRUE(exists(source + "/sub/b.txt"));
    EXPECT_FALSE(exists(source + "/sub/sock"));
    ::close(sock);
}

TEST_F(BrowserCommands, RestoreRefusesRegistryArchivesAndSurvivesAFailedCopy)
{
    clickRow("registry");
    clearAndTrigger("mnuPopUpStartRestore");
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].icon, Icon::Critical);
    EXPECT_NE(boxes()[0].text.find("registry keys"), std::string::npos);
    EXPECT_FALSE(exists(inst.home() + "/REGKEYS"));

    ScopedFileSystem failing(std::make_shared<FailingCopyFileSystem>());
    rnx = std::make_unique<clsRNX10A>(); // the override emptied the service set
    const auto before = treeListing(inst.home());
    clickRow("arch");
    clearAndTrigger("mnuPopUpStartRestore");
    ASSERT_EQ(boxes().size(), 2u);
    EXPECT_EQ(boxes()[1].icon, Icon::Critical);
    EXPECT_NE(boxes()[1].text.find("No space left"), std::string::npos);
    EXPECT_EQ(treeListing(inst.home()), before);
    EXPECT_EQ(currentMousePointer(), MousePointer::Arrow);
}

TEST_F(BrowserCommands, ReportListsTheStoreOpensItAndKeepsOtherCommandsWaiting)
{
    // A deletion asked for while the walk lets events run must not start in the middle.
    int fired = 0;
    QTimer::singleShot(0, m_window, [&] {
        ++fired;
        trigger("mnuPopUpDeleteDay");
    });
    boxes().clear();
    click("cmdReport");
    const std::string report = inst.store() + "/report.txt";
    EXPECT_EQ(fired, 1);
    EXPECT_TRUE(boxes().empty()) << boxes()[0].text;
    EXPECT_TRUE(exists(store.hour("09-00")));
    const std::string text = readFile(report);
    EXPECT_NE(text.find(archive + "/copy\r\n"), std::string::npos);
    EXPECT_LT(text.find(store.hour("09-00") + "\r\n"), text.find(archive + "\r\n"));
    EXPECT_EQ(child<QPushButton>("cmdReport")->toolTip().toStdString(), report);
    ASSERT_EQ(inst.shell->opened.size(), 1u);
    EXPECT_EQ(inst.shell->opened[0], std::make_pair(report, 3));
    // Opened as a document: an executable report (any file on a FAT store) is never started.
    EXPECT_EQ(inst.shell->documents, std::vector<std::string>{report});
    EXPECT_EQ(currentMousePointer(), MousePointer::Arrow);

    inst.env.set("ZVENVSCOM", "no/such/report");
    click("cmdReport");
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].icon, Icon::Critical);
    EXPECT_EQ(currentMousePointer(), MousePointer::Arrow);
}

TEST_F(BrowserCommands, ReportRefusesALinkAtItsPathAndOpensNothing)
{
    const std::string report = inst.store() + "/report.txt";
    const std::string userFile = inst.home() + "/notes.txt";
    writeFile(userFile, "mine\n");
    ASSERT_EQ(::symlink(userFile.c_str(), report.c_str()), 0);
    boxes().clear();
    click("cmdReport");
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].icon, Icon::Critical);
    EXPECT_NE(boxes()[0].text.find("symbolic link"), std::string::npos) << boxes()[0].text;
    EXPECT_EQ(readFile(userFile), "mine\n");
    EXPECT_TRUE(inst.shell->opened.empty());
}

TEST_F(BrowserCommands, ReportFindsTheStoreInEnvironmentIniWhenTheProcessHasNoValue)
{
    // A default installation: the key lives only in the configuration file.
    makeFolders(inst.root() + "/xdg/config/zorvane");
    writeFile(inst.root() + "/xdg/config/zorvane/environment.ini", "[Environment]\nZVENVSBAK=" + inst.store() + "\n");
    inst.env.unset("ZVENVSBAK");
    boxes().clear();
    click("cmdReport");
    EXPECT_TRUE(boxes().empty()) << boxes()[0].text;
    const std::string report = inst.store() + "/report.txt";
    EXPECT_NE(readFile(report).find(archive + "/copy\r\n"), std::string::npos);
    ASSERT_EQ(inst.shell->opened.size(), 1u);
    EXPECT_EQ(inst.shell->opened[0], std::make_pair(report, 3));
}

TEST_F(BrowserCommands, StartBackupAsksClosesTheBrowserAndLeavesTheCallersInstanceWorking)
{
    answer({Answer::No});
    click("cmdRegBackup");
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_TRUE(boxes()[0].systemModal);
    EXPECT_EQ(boxes()[0].title, "Proceed...");
    EXPECT_EQ(boxes()[0].text, "Do you want to start backup operations click yes this screen will automatically close., "
                               "it may take long time depends upon your speed of computer.");
    EXPECT_TRUE(shownBrowser());
    EXPECT_TRUE(inst.shell->opened.empty());

    click("cmdRegBackup");
    EXPECT_TRUE(inst.shell->opened.empty()) << "started under the click's handler";
    QCoreApplication::processEvents(); // the window closes, and the backup starts, after the handler
    EXPECT_FALSE(shownBrowser());
    ASSERT_EQ(inst.shell->opened.size(), 2u);
    EXPECT_EQ(inst.shell->opened[0].first, inst.programRoot() + "/1.0/Sys/regbak.exe");
    EXPECT_EQ(inst.shell->opened[1].first, inst.programRoot() + "/1.0/Sys/shellbak.exe");
    EXPECT_NE(readFile(inst.logs() + "/bar.ini").find("LastTaken"), std::string::npos);
    // The one-call instance is gone; the caller's still has its services.
    EXPECT_EQ(services().runtime().EnvironGet(2, "ZVENVSBAK"), inst.store());
    EXPECT_NO_THROW(rnx->RunBackupComputer());
}

TEST_F(BrowserCommands, RegistryBackupLockerAndScheduleStayInTheBrowser)
{
    click("cmdRegBackup2");
    ASSERT_EQ(inst.shell->opened.size(), 1u);
    EXPECT_EQ(inst.shell->opened[0].first, inst.programRoot() + "/1.0/Sys/regbak.exe");
    EXPECT_TRUE(boxes().empty() || boxes().back().question == false);

    QMetaObject::invokeMethod(m_window, &frmBackUpRestoreA::imgLocker_DblClick);
    ASSERT_EQ(inst.shell->opened.size(), 2u);
    EXPECT_EQ(inst.shell->opened[1], std::make_pair(inst.locker(), 3));

    bool modal = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<frmBackUpScheduleA *>(QApplication::activeModalWidget());
        modal = dialog != nullptr;
        if (dialog)
            dialog->close();
    });
    trigger("mnuPopUpScheduleBackups");
    EXPECT_TRUE(modal);
    EXPECT_TRUE(shownBrowser());
}

} // namespace

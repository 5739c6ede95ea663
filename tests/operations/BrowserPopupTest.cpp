// What opening an archive's copy may start.
#include "BrowserFixture.h"

#include "backup_browser/ArchiveListView.h"
#include "backup_browser/frmBackUpRestoreA.h"

#include <QListView>
#include <QTest>

#include <sys/stat.h>

#include <functional>

using namespace rnx10;
using namespace rnx10::test;

namespace {

// An archive whose DestinationDir names a program, with the real shell open and a stand-in
// xdg-open first on PATH that writes down its argument.
class ProgramAsDestination : public BrowserFixture {
protected:
    void SetUp() override
    {
        makeFolders(inst.root() + "/bin");
        writeProgram(inst.root() + "/bin/xdg-open", "printf '%s' \"$1\" > '" + opened + ".tmp'; mv '" + opened +
                                                        ".tmp' '" + opened + "'\n");
        inst.env.set("PATH", inst.root() + "/bin:/usr/bin:/bin");
        const std::string folder = hourFolder("09-00") + "/evil";
        makeFolders(folder);
        program = folder + "/run.sh";
        writeProgram(program, ": > '" + ran + "'\n");
        addArchive("09-00", "evil", inst.home(), program);
        ASSERT_TRUE(open());
        pickHour("09-00");
    }

    static void writeProgram(const std::string &path, const std::string &body)
    {
        writeFile(path, "#!/bin/sh\n" + body);
        ::chmod(path.c_str(), 0755);
    }

    // Serves events until path exists; false when it never does.
    static bool waitFor(const std::string &path)
    {
        for (int i = 0; i < 1000 && !exists(path); ++i)
            QTest::qWait(10);
        return exists(path);
    }

    std::string opened = inst.root() + "/opened";
    std::string ran = inst.root() + "/ran";
    std::string program;
    ScopedPlatform realShell{PlatformHooks{inst.prompt, std::make_shared<SystemShell>(), inst.starter}};
};

TEST_F(ProgramAsDestination, IsHandedToTheOpenerAndNeverStarted)
{
    const struct {
        const char *label;
        std::function<void()> open;
    } cases[] = {
        {"double click", [this] {
             QAbstractItemView *view = m_window->findChild<ArchiveListView *>("lvBody")->currentView();
             QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(0, 0)).center());
         }},
        {"Open entry", [this] {
             clickRow("evil");
             trigger("mnuPopUpOpenFolder");
         }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        ::unlink(opened.c_str());
        c.open();
        ASSERT_TRUE(waitFor(opened)) << "xdg-open was not called";
        EXPECT_EQ(readFile(opened), program);
        EXPECT_FALSE(exists(ran)) << "the archive's DestinationDir was run as a program";
        EXPECT_TRUE(inst.starter->started.empty());
    }
}

} // namespace

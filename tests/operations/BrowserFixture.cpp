#include "BrowserFixture.h"

#include "backup_browser/ArchiveListView.h"
#include "backup_browser/frmBackUpRestoreA.h"
#include "platform/ComputerName.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QListView>
#include <QPushButton>
#include <QTest>

namespace rnx10::test {

void BrowserFixture::TearDown()
{
    if (frmBackUpRestoreA *w = browser())
        w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::string BrowserFixture::dayFolder(const QDate &d) const
{
    return inst.store() + "/" + GetMachineName() + "/" + std::to_string(d.year()) + "/" + std::to_string(d.month()) +
           "/" + std::to_string(d.day());
}

std::string BrowserFixture::addArchive(const std::string &hour, const std::string &name, const std::string &source,
                                       const std::string &destination)
{
    const std::string folder = hourFolder(hour) + "/" + name;
    makeFolders(folder + "/copy");
    writeFile(folder + "/copy/a.txt", "restored " + name);
    writeFile(folder + "/details.ini", "[DETAILS]\nSourceDir=" + source + "\nDestinationDir=" +
                                           (destination.empty() ? folder + "/copy" : destination) +
                                           "\nComputer=PC01\nWindowsUser=ann\nNowStamp=now\n");
    return folder;
}

frmBackUpRestoreA *BrowserFixture::open()
{
    std::int32_t hwnd = 0;
    rnx->ExecuteSupportCenter(hwnd, "RNXRUN_BR");
    m_window = browser();
    return m_window;
}

frmBackUpRestoreA *BrowserFixture::browser()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *b = qobject_cast<frmBackUpRestoreA *>(w); b && b->isVisible())
            return b;
    return nullptr;
}

void BrowserFixture::pickHour(const std::string &hour)
{
    auto *combo = m_window->findChild<QComboBox *>("lstTime");
    combo->setFocus();
    const int wanted = combo->findText(QString::fromStdString(hour));
    ASSERT_GE(wanted, 0) << hour;
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < wanted; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
}

void BrowserFixture::clickRow(const std::string &name)
{
    auto *list = m_window->findChild<ArchiveListView *>("lvBody");
    auto *model = list->iconView()->model();
    for (int r = 0; r < model->rowCount(); ++r) {
        if (model->index(r, 0).data().toString() != QString::fromStdString(name))
            continue;
        QAbstractItemView *view = list->currentView();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(model->index(r, 0)).center());
        return;
    }
    ADD_FAILURE() << "no row " << name;
}

void BrowserFixture::trigger(const char *popupEntry)
{
    QAction *action = m_window->findChild<QAction *>(popupEntry);
    ASSERT_TRUE(action) << popupEntry;
    action->trigger();
}

void BrowserFixture::click(const char *button)
{
    auto *b = m_window->findChild<QPushButton *>(button);
    ASSERT_TRUE(b) << button;
    QTest::mouseClick(b, Qt::LeftButton);
}

} // namespace rnx10::test

#include "support/BrowserFixture.h"

#include "backup_browser/ArchiveListView.h"
#include "backup_browser/LockerSize.h"
#include "backup_browser/frmBackUpRestoreA.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QListView>
#include <QPushButton>
#include <QTest>

namespace rnx10::test {

frmBackUpRestoreA *shownBrowser()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *b = qobject_cast<frmBackUpRestoreA *>(w); b && b->isVisible())
            return b;
    return nullptr;
}

void BrowserFixture::TearDown()
{
    if (frmBackUpRestoreA *w = shownBrowser())
        w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

frmBackUpRestoreA *BrowserFixture::open(LockerWalk walk)
{
    std::int32_t hwnd = 0;
    rnx->ExecuteSupportCenter(hwnd, "RNXRUN_BR");
    m_window = shownBrowser();
    if (m_window && walk == AwaitLockerSize)
        if (auto *size = m_window->findChild<LockerSize *>())
            while (size->running())
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return m_window;
}

void BrowserFixture::pickDate(const QDate &date)
{
    if (auto *calendar = child<QCalendarWidget>("MonthView1"))
        calendar->setSelectedDate(date);
}

void BrowserFixture::pickHour(const QString &hour)
{
    auto *combo = child<QComboBox>("lstTime");
    ASSERT_TRUE(combo);
    const int wanted = combo->findText(hour);
    ASSERT_GE(wanted, 0) << hour.toStdString();
    if (combo->currentIndex() == wanted) {
        emit combo->activated(wanted);
        return;
    }
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < wanted; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
    ASSERT_EQ(combo->currentIndex(), wanted);
}

int BrowserFixture::rowCount() const
{
    auto *list = child<ArchiveListView>("lvBody");
    return list ? list->iconView()->model()->rowCount() : 0;
}

QModelIndex BrowserFixture::rowNamed(const QString &name) const
{
    if (auto *list = child<ArchiveListView>("lvBody")) {
        QAbstractItemModel *model = list->currentView()->model();
        for (int r = 0; r < model->rowCount(); ++r)
            if (model->index(r, 0).data().toString() == name)
                return model->index(r, 0);
    }
    ADD_FAILURE() << "no row " << name.toStdString();
    return {};
}

void BrowserFixture::clickRow(int row, Click click)
{
    auto *list = child<ArchiveListView>("lvBody");
    if (!list)
        return;
    QAbstractItemView *view = list->currentView();
    const QModelIndex index = view->model()->index(row, 0);
    ASSERT_TRUE(index.isValid()) << "no row " << row;
    view->scrollTo(index);
    const QPoint at = view->visualRect(index).center();
    if (click == Twice)
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    else
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
}

void BrowserFixture::clickRow(const QString &name, Click click)
{
    if (const QModelIndex index = rowNamed(name); index.isValid())
        clickRow(index.row(), click);
}

void BrowserFixture::select(const std::string &destination)
{
    for (int r = 0; r < rowCount(); ++r) {
        clickRow(r);
        if (m_window->SelectedDestinationDir() == destination)
            return;
    }
    ADD_FAILURE() << "no row for " << destination;
}

void BrowserFixture::trigger(const char *entry)
{
    if (auto *action = child<QAction>(entry))
        action->trigger();
}

void BrowserFixture::clearAndTrigger(const char *entry)
{
    boxes().clear();
    trigger(entry);
}

void BrowserFixture::click(const char *button)
{
    if (auto *b = child<QPushButton>(button))
        QTest::mouseClick(b, Qt::LeftButton);
}

} // namespace rnx10::test

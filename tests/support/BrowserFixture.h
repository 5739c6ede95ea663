// The browser window over a scratch store, driven as a user drives it: opened through the
// component's command, children found by object name, dates, hours and rows clicked, popup
// entries and buttons used, the boxes it shows recorded and its questions answered from a script.
#pragma once

#include "support/StoreFixture.h"

#include <QModelIndex>
#include <QObject>
#include <QString>

#include <initializer_list>
#include <string>
#include <vector>

class QDate;

namespace rnx10 {
class frmBackUpRestoreA;
}

namespace rnx10::test {

// The browser window shown now, if any.
frmBackUpRestoreA *shownBrowser();

class BrowserFixture : public StoreFixture {
protected:
    // Closes the window still shown.
    void TearDown() override;

    // Opens the browser as the console does; the window, or null when none shows. Unless told
    // otherwise, waits until the computer folder's size, walked in the background, has arrived,
    // so no test's file-system changes or held calls meet that walk.
    enum LockerWalk { AwaitLockerSize, LeaveLockerSize };
    frmBackUpRestoreA *open(LockerWalk walk = AwaitLockerSize);
    frmBackUpRestoreA *window() const { return m_window; }

    // The window's (or parent's) child of that object name; a failure when there is none.
    template <typename T> T *child(const char *name) const { return child<T>(m_window, name); }
    template <typename T> static T *child(QObject *parent, const char *name)
    {
        T *found = parent ? parent->findChild<T *>(QString::fromLatin1(name)) : nullptr;
        EXPECT_TRUE(found) << name;
        return found;
    }

    // Selects the date in the calendar.
    void pickDate(const QDate &date);
    // Picks the first hour of that name in the hour list with the keyboard (or, when it is picked
    // already, as a second click on it in the list does).
    void pickHour(const QString &hour);

    // The archive list: rows shown, the row of a name, clicks on a row (both views share the rows).
    enum Click { Once, Twice };
    int rowCount() const;
    QModelIndex rowNamed(const QString &name) const;
    void clickRow(int row, Click click = Once);
    void clickRow(const QString &name, Click click = Once);
    // Clicks rows until the one whose copy is destination is selected.
    void select(const std::string &destination);

    // Popup entries and buttons by object name.
    void trigger(const char *entry);
    // trigger, with only the boxes it shows recorded.
    void clearAndTrigger(const char *entry);
    void click(const char *button);

    // Answers for the next questions, in order; Yes once they run out.
    void answer(std::initializer_list<Answer> answers) { inst.prompt->answers = answers; }
    std::vector<FakePrompt::Box> &boxes() { return inst.prompt->boxes; }
    std::string lastText() const { return inst.prompt->boxes.empty() ? std::string() : inst.prompt->boxes.back().text; }

    frmBackUpRestoreA *m_window = nullptr;
};

} // namespace rnx10::test

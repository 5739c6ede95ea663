// The browser window open over a scratch store for today, driven as a user drives it.
#pragma once

#include "component/clsRNX10A.h"
#include "support/TestSupport.h"

#include <QDate>
#include <QString>

#include <memory>
#include <string>

class QAction;

namespace rnx10 {
class frmBackUpRestoreA;
}

namespace rnx10::test {

class BrowserFixture : public ::testing::Test {
protected:
    void TearDown() override;

    // store/<computer>/<y>/<m>/<d> of a date.
    std::string dayFolder(const QDate &date) const;
    std::string hourFolder(const std::string &hour) const { return dayFolder(QDate::currentDate()) + "/" + hour; }
    // hour/<name>/{details.ini, copy/a.txt}; DestinationDir is the copy unless given.
    std::string addArchive(const std::string &hour, const std::string &name, const std::string &source,
                           const std::string &destination = {});

    frmBackUpRestoreA *open();
    static frmBackUpRestoreA *browser();
    void pickHour(const std::string &hour);
    void clickRow(const std::string &name);
    void trigger(const char *popupEntry);
    void click(const char *button);

    std::vector<FakePrompt::Box> &boxes() { return inst.prompt->boxes; }

    Installation inst;
    std::unique_ptr<clsRNX10A> rnx = std::make_unique<clsRNX10A>();
    frmBackUpRestoreA *m_window = nullptr;
};

} // namespace rnx10::test

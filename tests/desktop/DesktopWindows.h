// The windows the desktop tests look at, each made as its command makes it, in an installation
// whose scheduler holds a few of the backup tools' jobs.
#pragma once

#include "component/clsRNX10A.h"
#include "support/ScopedFactory.h"
#include "support/TestSupport.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace rnx10::test {

struct DesktopWindow {
    std::string name; // its object name
    std::function<std::unique_ptr<QWidget>()> make;
};

// The maintenance dialog, the schedule dialog, the registry navigator, the updates notice, the
// debugger dialog and the support-centre program's window.
const std::vector<DesktopWindow> &desktopWindows();

// One of them, made, by its object name.
std::unique_ptr<QWidget> makeWindow(const std::string &name);

// Shows the window and waits until it is the active one, as a user finds it.
void showActive(QWidget &window);

class DesktopFixture : public ::testing::Test {
protected:
    DesktopFixture();
    ~DesktopFixture() override;

    Installation inst;
    ScopedFactory scheduler;
    std::unique_ptr<clsRNX10A> rnx = std::make_unique<clsRNX10A>();
};

} // namespace rnx10::test

#include "CommandsTestSupport.h"

#include "support/TestSupport.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace rnx10::test {

namespace {
constexpr int kPollMs = 10;
constexpr int kGiveUpPolls = 1000; // a safety net against a hang, not a timing check
} // namespace

void onNextModal(std::function<void(QWidget *)> action)
{
    auto *timer = new QTimer(qApp);
    auto polls = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, polls, action] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) {
            if (++*polls < kGiveUpPolls)
                return;
            ADD_FAILURE() << "no modal window came up";
            timer->deleteLater();
            timer->stop();
            return;
        }
        timer->stop();
        timer->deleteLater();
        QPointer<QWidget> window = modal;
        action(modal);
        if (window && window->isVisible() && QApplication::activeModalWidget() == window) {
            ADD_FAILURE() << "the modal window was left open";
            window->close();
        }
    });
    timer->start(kPollMs);
}

bool waitForFile(const std::string &path)
{
    for (int i = 0; i < kGiveUpPolls; ++i) {
        if (exists(path))
            return true;
        QTest::qWait(kPollMs);
    }
    return exists(path);
}

} // namespace rnx10::test

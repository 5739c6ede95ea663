#include "services/StaticMessageService.h"

#include "automation/AutomationError.h"
#include "automation/ObjectRegistry.h"
#include "platform/Application.h"
#include "services/ProgIds.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

namespace rnx10 {

namespace {
RegisterObject<StaticMessageService, StaticMessageService> registration(progid::StaticMessage);
}

StaticMessageService::StaticMessageService() = default;
StaticMessageService::~StaticMessageService() = default;

void StaticMessageService::UIShowStaticMessageDialog(const std::string &message, bool /*flag*/)
{
    try {
        ensureApplication();
    } catch (const AutomationError &e) {
        if (e.number() != err::NoDisplay)
            throw;
        // Without a display the message has nowhere to go; the backup it announces goes on.
        m_windows.push_back(nullptr);
        return;
    }
    auto window = std::make_unique<QWidget>(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool);
    window->setObjectName(QStringLiteral("frmStaticMessage"));
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    auto *layout = new QVBoxLayout(window.get());
    auto *label = new QLabel(QString::fromStdString(message), window.get());
    label->setObjectName(QStringLiteral("lblMessage"));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    window->setStyleSheet(QStringLiteral("QWidget#frmStaticMessage { background: #ffffe1; border: 1px solid #808080; }"));
    window->resize(320, 80);
    if (QScreen *screen = QApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
    window->show();
    window->repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_windows.push_back(std::move(window));
}

void StaticMessageService::UIHideStaticMessageDialog()
{
    if (!m_windows.empty())
        m_windows.pop_back();
}

} // namespace rnx10

#include "SupportCenterWindow.h"

#include "automation/AutomationError.h"

#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace rnx10 {

namespace {
struct CommandButton {
    const char *key;
    const char *label;
};

// Every key of the command table, in its order.
constexpr CommandButton kButtons[] = {
    {"RNXRUN_QRS", "QRS Tool"},         {"RNXRUN_DOWNLOADS", "Downloads"},
    {"RNXRUN_LIVECHAT", "Live Chat"},   {"RNXRUN_SYSINFO", "System Information"},
    {"RNXRUN_WEBSUPPORT", "Web Support"}, {"RNXRUN_SENDMAIL", "Send Mail"},
    {"RNXRUN_SHOP", "Shop"},            {"RNXRUN_MW", "MW"},
    {"RNXRUN_BR", "Backup && Restore"}, {"RNXRUN_MIGSYS", "Migrate System"},
    {"RNXRUN_BRINDLEX", "BRINDLEX"},    {"RNXRUN_UPDATES", "Updates"},
    {"RNXRUN_LUMORA", "Lumora"},        {"RNXRUN_VESKA", "Veska"},
    {"RNXRUN_DEBUGGER", "Debugger"},    {"RNXRUN_REGISTRY", "Registry"},
    {"RNXRUN_PELORIN", "Program Folder"}, {"RNXRUN_KEV", "KEV Tool"},
    {"RNXRUN_MAINTAIN", "Maintenance"}, {"RNXRUN_LICENSES", "Licenses"},
};
constexpr int kColumns = 4;
} // namespace

SupportCenterWindow::SupportCenterWindow(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmSupportCenter"));
    setWindowTitle(QStringLiteral("Zorvane Support Center"));
    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(QStringLiteral("Zorvane Support Center"), this);
    QFont font = heading->font();
    font.setPointSizeF(font.pointSizeF() * 1.6);
    font.setBold(true);
    heading->setFont(font);
    layout->addWidget(heading);
    layout->addWidget(new QLabel(QStringLiteral("Choose a command:"), this));
    layout->addWidget(buildCommandGrid());

    auto *backup = new QPushButton(QStringLiteral("Quick Backup of this Computer"), this);
    backup->setObjectName(QStringLiteral("cmdRunBackupComputer"));
    backup->setMinimumHeight(40);
    connect(backup, &QPushButton::clicked, this, [this] { call([this] { m_component.RunBackupComputer(); }); });
    layout->addWidget(backup);
}

QWidget *SupportCenterWindow::buildCommandGrid()
{
    auto *grid = new QWidget(this);
    auto *layout = new QGridLayout(grid);
    layout->setContentsMargins(0, 0, 0, 0);
    int index = 0;
    for (const CommandButton &command : kButtons) {
        auto *button = new QPushButton(QString::fromUtf8(command.label), grid);
        button->setObjectName(QString::fromUtf8(command.key));
        button->setToolTip(QString::fromUtf8(command.key));
        button->setMinimumSize(150, 34);
        const std::string key = command.key;
        connect(button, &QPushButton::clicked, this, [this, key] {
            call([this, key] {
                std::int32_t hwnd = 0;
                m_component.ExecuteSupportCenter(hwnd, key);
            });
        });
        layout->addWidget(button, index / kColumns, index % kColumns);
        ++index;
    }
    return grid;
}

void SupportCenterWindow::call(const std::function<void()> &work)
{
    try {
        work();
    } catch (const AutomationError &e) {
        QMessageBox::critical(this, windowTitle(),
                              QStringLiteral("Error %1: %2").arg(e.number()).arg(QString::fromStdString(e.description())));
    }
}

} // namespace rnx10

#include "SupportCenterWindow.h"

#include "automation/AutomationError.h"
#include "commands/CommandTable.h"
#include "platform/MessageBoxPrompt.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace rnx10 {

namespace {
struct CommandButton {
    const char *key;
    const char *label;
    const char *does; // the tooltip: what the command does; empty for a key that does nothing
};

// Every key of the command table, in its order.
constexpr CommandButton kButtons[] = {
    {"RNXRUN_QRS", "QRS Tool", "Starts the QRS tool"},
    {"RNXRUN_DOWNLOADS", "Downloads", "Opens the downloads page in the web browser"},
    {"RNXRUN_LIVECHAT", "Live Chat", ""},
    {"RNXRUN_SYSINFO", "System Information", ""},
    {"RNXRUN_WEBSUPPORT", "Web Support", ""},
    {"RNXRUN_SENDMAIL", "Send Mail", ""},
    {"RNXRUN_SHOP", "Shop", "Opens the shop page in the web browser"},
    {"RNXRUN_MW", "MW", ""},
    {"RNXRUN_BR", "Backup && Restore", "Opens the backup browser: restore, open or delete the backed-up folders"},
    {"RNXRUN_MIGSYS", "Migrate System", ""},
    {"RNXRUN_BRINDLEX", "BRINDLEX", "Opens the BRINDLEX web site in the web browser"},
    {"RNXRUN_UPDATES", "Updates", "Shows where new versions of the suite are announced"},
    {"RNXRUN_LUMORA", "Lumora", ""},
    {"RNXRUN_VESKA", "Veska", ""},
    {"RNXRUN_DEBUGGER", "Debugger", "Lists the suite's settings, their values and where each value comes from"},
    {"RNXRUN_REGISTRY", "Registry", "Opens the folder that holds the settings of Zorvane Lumora"},
    {"RNXRUN_PELORIN", "Program Folder", "Opens the folder of the suite's programs"},
    {"RNXRUN_KEV", "KEV Tool", "Starts the KEV tool"},
    {"RNXRUN_MAINTAIN", "Maintenance", "Deletes the log and temporary files, or starts a backup of this computer"},
    {"RNXRUN_LICENSES", "Licenses", "Shows the licenses"},
};
constexpr int kColumns = 4;

// True for a key whose command does nothing on this system.
bool doesNothing(const char *key)
{
    for (const Command &command : commandTable())
        if (std::string(command.key) == key)
            return command.handler == nullptr;
    return true;
}
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
    backup->setToolTip(QStringLiteral("Backs up the suite's settings and your folders now"));
    backup->setAutoDefault(true); // Enter presses the button that has the focus
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
        button->setMinimumSize(150, 34);
        button->setAutoDefault(true); // Enter presses the button that has the focus
        if (doesNothing(command.key)) {
            button->setEnabled(false);
            button->setToolTip(button->text().replace(QStringLiteral("&&"), QStringLiteral("&")) +
                               QStringLiteral(" does nothing on this system"));
        } else {
            button->setToolTip(QString::fromUtf8(command.does));
        }
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
        MessageBoxPrompt().tell("Error " + std::to_string(e.number()) + ": " + e.description(),
                                windowTitle().toStdString(), Icon::Critical);
    }
}

} // namespace rnx10

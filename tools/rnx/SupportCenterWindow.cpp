#include "SupportCenterWindow.h"

#include "automation/AutomationError.h"
#include "commands/CommandTable.h"
#include "platform/MessageBoxPrompt.h"
#include "platform/Translation.h"

#include <QCoreApplication>

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace rnx10 {

namespace {
struct CommandButton {
    const char *key;
    const char *label; // English; product names are not marked and stay as they are
    const char *does;  // the tooltip: what the command does; empty for a key that does nothing
};

// Every key of the command table, in its order. The texts are translated where the buttons are
// made, in the window's context.
constexpr CommandButton kButtons[] = {
    {"RNXRUN_QRS", QT_TRANSLATE_NOOP("rnx10::SupportCenterWindow", "QRS Tool"),
     QT_TRANSLATE_NOOP("rnx10::SupportCenterWindow", "Starts the QRS tool")},
    {"RNXRUN_DOWNLOADS", QT_TRANSLATE_NOOP("rnx10::SupportCenterWindow", "Downloads"),
     QT_TRANSLATE_NOOP("rnx10::SupportCenterWindow", "Opens the downloads page in the web browser")},
    {"RNXRUN_LIVECHAT", QT_TRANSLATE_NOOP("rnx10::SupportCenterWindow", "Live Chat"), ""},
    {"RNXRUN_SYSINFO", QT_TRANSLATE_NOOP("rnx10::SupportCenterWindow", "System Information"), ""},
    {"RNXRUN_WEBSUPPORT", QT_TRANSLATE_NOOP("rnx10::SupportCenterWindow", "Web Support"), ""},
    {"RNXRUN_SENDMAIL", QT_TRANSLATE_NOOP("rnx10::SupportCenterWindow", "Send Mail"), ""},
    {"RNXRUN_SHOP", QT_TRANSLATE_NOOP("rnx10::SupportCenterWindow", "Shop"),
     QT_TRANSLATE_NOOP("rnx10::SupportCenterWindow", "Opens the shop page in the web browser")},
    {"RNXRUN_MW", "MW", ""},
    {"RNXRUN_BR", QT_TRANSLATE_NOOP("rnx10::SupportCenterWindow", "Backup && Restore"),
     QT_TRANSLATE_NOOP("rnx10::SupportCenterWindow", "Opens the backup browser: restore, open or delete the backed-up folders")},
    {"RNXRUN_MIGSYS", QT_TRANSLATE_NOOP("rnx10::SupportCenterWindow", "Migrate System"), ""},
    {"RNXRUN_BRINDLEX", "BRINDLEX", QT_TRANSLATE_NOOP("rnx10::SupportCenterWindow", "Opens the BRINDLEX web site in the web browser")},
    {"RNXRUN_UPDATES", QT_TRANSLATE_NOOP("rnx10::SupportCenterWindow", "Updates"),
     QT_TRANSLATE_NOOP("rnx10::SupportCenterWindow", "Shows where new versions of the suite are announced")},
    {"RNXRUN_LUMORA", "Lumora", ""},
    {"RNXRUN_VESKA", "Veska", ""},
    {"RNXRUN_DEBUGGER", QT_TRANSLATE_NOOP("rnx10::SupportCenterWindow", "Debugger"),
     QT_TRANSLATE_NOOP("rnx10::SupportCenterWindow", "Lists the suite's settings, their values and where each value comes from")},
    {"RNXRUN_REGISTRY", QT_TRANSLATE_NOOP("rnx10::SupportCenterWindow", "Registry"),
     QT_TRANSLATE_NOOP("rnx10::SupportCenterWindow", "Opens the folder that holds the settings of Zorvane Lumora")},
    {"RNXRUN_PELORIN", QT_TRANSLATE_NOOP("rnx10::SupportCenterWindow", "Program Folder"),
     QT_TRANSLATE_NOOP("rnx10::SupportCenterWindow", "Opens the folder of the suite's programs")},
    {"RNXRUN_KEV", QT_TRANSLATE_NOOP("rnx10::SupportCenterWindow", "KEV Tool"),
     QT_TRANSLATE_NOOP("rnx10::SupportCenterWindow", "Starts the KEV tool")},
    {"RNXRUN_MAINTAIN", QT_TRANSLATE_NOOP("rnx10::SupportCenterWindow", "Maintenance"),
     QT_TRANSLATE_NOOP("rnx10::SupportCenterWindow", "Deletes the log and temporary files, or starts a backup of this computer")},
    {"RNXRUN_LICENSES", QT_TRANSLATE_NOOP("rnx10::SupportCenterWindow", "Licenses"),
     QT_TRANSLATE_NOOP("rnx10::SupportCenterWindow", "Shows the licenses")},
};

// A text of the table in the user's language; the empty text stays empty.
QString translated(const char *english)
{
    return *english ? QCoreApplication::translate("rnx10::SupportCenterWindow", english) : QString();
}
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
    setWindowTitle(tr("Zorvane Support Center"));
    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(tr("Zorvane Support Center"), this);
    QFont font = heading->font();
    font.setPointSizeF(font.pointSizeF() * 1.6);
    font.setBold(true);
    heading->setFont(font);
    layout->addWidget(heading);
    layout->addWidget(new QLabel(tr("Choose a command:"), this));
    layout->addWidget(buildCommandGrid());

    auto *backup = new QPushButton(tr("Quick Backup of this Computer"), this);
    backup->setObjectName(QStringLiteral("cmdRunBackupComputer"));
    backup->setToolTip(tr("Backs up the suite's settings and your folders now"));
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
        auto *button = new QPushButton(translated(command.label), grid);
        button->setObjectName(QString::fromUtf8(command.key));
        // As wide as its caption needs: a longer translation widens the window, never cuts the caption.
        button->setMinimumSize(std::max(150, button->sizeHint().width()), 34);
        button->setAutoDefault(true); // Enter presses the button that has the focus
        if (doesNothing(command.key)) {
            button->setEnabled(false);
            button->setToolTip(
                tr("%1 does nothing on this system").arg(button->text().replace(QStringLiteral("&&"), QStringLiteral("&"))));
        } else {
            button->setToolTip(translated(command.does));
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
        MessageBoxPrompt().tell(
            tr("Error %1: %2").arg(QString::number(e.number()), QString::fromStdString(shownDescription(e))).toStdString(),
            windowTitle().toStdString(), Icon::Critical);
    }
}

} // namespace rnx10

#include "maintenance/frmMaintainceA.h"

#include "automation/AutomationError.h"
#include "common/QuickBackup.h"
#include "maintenance/core/MaintainceLogs.h"
#include "maintenance/MaintenancePictures.h"
#include "platform/MousePointer.h"
#include "platform/Platform.h"
#include "services/ServiceSet.h"
#include "ui/BusyGuard.h"
#include "ui/ClickablePicture.h"
#include "ui/CloseOnEscape.h"
#include "ui/TellFailure.h"
#include "ui/WindowJob.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <exception>

namespace rnx10 {

namespace {

constexpr const char *kLogTooltip = "Double click to browse log folder now";
constexpr int kTextWidth = 330;

QFrame *greyLine(const char *name)
{
    auto *line = new QFrame;
    line->setObjectName(name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    QPalette palette = line->palette();
    palette.setColor(QPalette::WindowText, QColor(211, 211, 211));
    line->setPalette(palette);
    return line;
}

QLabel *verdanaLabel(const char *name, const char *text)
{
    auto *label = new QLabel(QString::fromUtf8(text));
    label->setObjectName(name);
    QFont font = label->font();
    font.setFamily(QStringLiteral("Verdana"));
    label->setFont(font);
    label->setWordWrap(true);
    label->setFixedWidth(kTextWidth);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton *button(const char *name, const char *text)
{
    auto *b = new QPushButton(QString::fromUtf8(text));
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

ClickablePicture *logTooltipPicture(const char *name, const QPixmap &pixmap)
{
    auto *picture = new ClickablePicture(pixmap);
    picture->setObjectName(name);
    picture->setToolTip(QString::fromUtf8(kLogTooltip));
    return picture;
}

// A picture at the left, a text at the right and a button right-aligned below the text.
QWidget *pictureTextButton(QWidget *picture, QLabel *text, QPushButton *action)
{
    auto *part = new QWidget;
    auto *grid = new QGridLayout(part);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(14);
    grid->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(text, 0, 1);
    grid->addWidget(action, 1, 1, Qt::AlignRight);
    return part;
}

} // namespace

frmMaintainceA::frmMaintainceA(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmMaintainceA"));
    setWindowTitle(QStringLiteral("Zorvane Maintaince"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->addTab(buildGeneralTab(), QStringLiteral("General"));
    m_tabs->addTab(new QWidget, QStringLiteral("Advanced"));

    QPushButton *ok = button("cmdOK", "&OK");
    connect(ok, &QPushButton::clicked, this, &frmMaintainceA::cmdOK_Click);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(ok, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    new CloseOnEscape(this);
    Form_Load();
}

QWidget *frmMaintainceA::buildGeneralTab()
{
    auto *tab = new QWidget;
    auto *layout = new QVBoxLayout(tab);
    layout->setContentsMargins(14, 14, 14, 10);
    layout->setSpacing(12);
    layout->addWidget(buildLogPart());
    layout->addWidget(greyLine("Line1"));
    layout->addWidget(buildBackupPart());
    layout->addWidget(greyLine("Line2"));
    layout->addStretch();
    return tab;
}

QWidget *frmMaintainceA::buildLogPart()
{
    ClickablePicture *picture = logTooltipPicture("imgLog", logFolderPicture());
    QPushButton *clear = button("cmdLogsAndTemp", "Delete Log files...");
    connect(picture, &ClickablePicture::doubleClicked, this, &frmMaintainceA::imgLog_DblClick);
    connect(clear, &QPushButton::clicked, this, &frmMaintainceA::cmdLogsAndTemp_Click);
    return pictureTextButton(picture,
                             verdanaLabel("lblLogs", "The log files contains all the log information about zorvane "
                                                     "technologies, automation and products including system "
                                                     "infromation and catcup files."),
                             clear);
}

QWidget *frmMaintainceA::buildBackupPart()
{
    // Carries the log picture's tooltip, so it answers a double click the same way.
    ClickablePicture *picture = logTooltipPicture("Image1", backupPicture());
    QPushButton *backup = button("cmdStartBackups", "Backup Now...");
    connect(picture, &ClickablePicture::doubleClicked, this, &frmMaintainceA::imgLog_DblClick);
    connect(backup, &QPushButton::clicked, this, &frmMaintainceA::cmdStartBackups_Click);
    return pictureTextButton(
        picture, verdanaLabel("Label1", "You should regularly take backup of your important data."), backup);
}

void frmMaintainceA::Form_Load() { m_tabs->setCurrentIndex(0); }

void frmMaintainceA::cmdLogsAndTemp_Click()
{
    if (WindowJob::isRunning(this))
        return;
    const std::shared_ptr<Prompt> prompt = platform().prompt;
    if (prompt->ask("Do you want to clear all log files?", "Confirm...") == Answer::No)
        return;
    clearWithProgress();
    prompt->tell("Succesfully deleted.", "Deleted...", Icon::Information);
}

// ClearLogFiles then ClearTempFiles, the deleting on a worker while the dialog keeps painting.
void frmMaintainceA::clearWithProgress()
{
    const CleanupLocations at = cleanupLocations();
    ProgressRunner::Task task;
    task.title = tr("Deleting...");
    task.text = tr("Deleting the log files and the temporary files");
    try {
        const auto held = services().fileSystemShared(); // kept alive for the worker
        FileSystemObject &fs = *held;
        BusyPointer busy;
        WindowJob::run(this, task, [&](walk::WalkProgress &) {
            clearLogFolder(fs, at);
            clearTempFolders(fs, at);
        });
    } catch (const std::exception &) {
        // Clearing never fails towards the dialog: what could not be deleted is simply left.
    }
}

void frmMaintainceA::cmdStartBackups_Click()
{
    if (BusyGuard::isRunning(this))
        return;
    if (!askToStartQuickBackup())
        return;
    const auto handle = static_cast<std::int32_t>(winId());
    close();
    tellingFailure([handle] { runQuickBackupFromWindow(handle); });
}

void frmMaintainceA::cmdOK_Click() { close(); }

void frmMaintainceA::imgLog_DblClick()
{
    if (BusyGuard::isRunning(this))
        return;
    tellingFailure(&OpenLogFolder);
}

} // namespace rnx10

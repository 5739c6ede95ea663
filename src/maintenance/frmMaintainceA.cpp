#include "maintenance/frmMaintainceA.h"

#include "automation/AutomationError.h"
#include "common/QuickBackup.h"
#include "maintenance/core/MaintainceLogs.h"
#include "maintenance/MaintenancePictures.h"
#include "platform/MousePointer.h"
#include "platform/Platform.h"
#include "platform/Translation.h"
#include "services/ServiceSet.h"
#include "ui/TellingConnect.h"
#include "ui/ActionPicture.h"
#include "ui/BusyGuard.h"
#include "ui/CloseOnEscape.h"
#include "ui/TellFailure.h"
#include "ui/WindowJob.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <exception>

namespace rnx10 {

namespace {

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

QLabel *verdanaLabel(const char *name, const QString &text)
{
    auto *label = new QLabel(text);
    label->setObjectName(name);
    QFont font = label->font();
    font.setFamily(QStringLiteral("Verdana"));
    label->setFont(font);
    label->setWordWrap(true);
    label->setFixedWidth(kTextWidth);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// Enter presses the button that has the focus, else OK.
QPushButton *button(const char *name, const QString &text)
{
    auto *b = new QPushButton(text);
    b->setObjectName(name);
    b->setAutoDefault(true);
    return b;
}

// Reached by Tab like a button; Space or Enter does what a double click does.
ActionPicture *logTooltipPicture(const char *name, void (*paint)(QPainter &, const QPalette &))
{
    // Two pixels all round for the focus frame.
    auto *picture = new ActionPicture([paint](QPainter &p, const QRectF &, const QPalette &palette) {
        p.translate(2, 2);
        paint(p, palette);
    });
    picture->setFixedSize(kMaintenancePictureSize + QSize(4, 4));
    picture->setObjectName(name);
    picture->setToolTip(frmMaintainceA::tr("Double click to browse log folder now"));
    picture->setAction(frmMaintainceA::tr("Browse log folder"));
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

// The cleanup's message when it did not delete everything: what it skipped on purpose, then what
// could not be deleted (the first few by path).
std::string cleanupLeftText(const std::vector<std::string> &skipped, const Leftovers &left)
{
    std::string text;
    if (!skipped.empty()) {
        text = tx("rnx10::frmMaintainceA", "Deleted, except these folders, which were skipped because they are, "
                                           "hold or lie inside the backup store, the locker or the program folder:");
        for (const std::string &folder : skipped)
            text += "\n" + folder;
    }
    if (left.count == 0)
        return text;
    text += std::string(text.empty() ? "" : "\n\n") +
            tx("rnx10::frmMaintainceA", "Not everything could be deleted; these stayed:");
    for (const std::string &path : left.named)
        text += "\n" + path;
    if (left.count > left.named.size()) {
        const int more = static_cast<int>(left.count - left.named.size());
        text += "\n" + tx("rnx10::frmMaintainceA", "... and %n more.", nullptr, more);
    }
    return text;
}

} // namespace

frmMaintainceA::frmMaintainceA(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmMaintainceA"));
    setWindowTitle(tr("Zorvane Maintaince"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->addTab(buildGeneralTab(), tr("General"));
    m_tabs->addTab(new QWidget, tr("Advanced"));
    m_tabs->setAccessibleName(tr("Maintenance"));

    QPushButton *ok = button("cmdOK", tr("&OK"));
    ok->setDefault(true);
    connectTelling(ok, &QPushButton::clicked, this, &frmMaintainceA::cmdOK_Click);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(ok, 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    new CloseOnEscape(this);
    setTabOrders(ok);
    Form_Load();
}

// Down the General tab as it is laid out, then OK.
void frmMaintainceA::setTabOrders(QWidget *ok)
{
    QWidget *previous = m_tabs->tabBar();
    for (const char *name : {"imgLog", "cmdLogsAndTemp", "Image1", "cmdStartBackups"}) {
        QWidget *next = findChild<QWidget *>(QString::fromUtf8(name));
        setTabOrder(previous, next);
        previous = next;
    }
    setTabOrder(previous, ok);
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
    ActionPicture *picture = logTooltipPicture("imgLog", &paintLogFolder);
    QPushButton *clear = button("cmdLogsAndTemp", tr("Delete Log files..."));
    connectTelling(picture, &ActionPicture::activated, this, &frmMaintainceA::imgLog_DblClick);
    connectTelling(clear, &QPushButton::clicked, this, &frmMaintainceA::cmdLogsAndTemp_Click);
    return pictureTextButton(picture,
                             verdanaLabel("lblLogs", tr("The log files contains all the log information about zorvane "
                                                        "technologies, automation and products including system "
                                                        "infromation and catcup files.")),
                             clear);
}

QWidget *frmMaintainceA::buildBackupPart()
{
    // Carries the log picture's tooltip, so it answers a double click the same way.
    ActionPicture *picture = logTooltipPicture("Image1", &paintBackup);
    QPushButton *backup = button("cmdStartBackups", tr("Backup Now..."));
    connectTelling(picture, &ActionPicture::activated, this, &frmMaintainceA::imgLog_DblClick);
    connectTelling(backup, &QPushButton::clicked, this, &frmMaintainceA::cmdStartBackups_Click);
    return pictureTextButton(
        picture, verdanaLabel("Label1", tr("You should regularly take backup of your important data.")), backup);
}

void frmMaintainceA::Form_Load() { m_tabs->setCurrentIndex(0); }

void frmMaintainceA::cmdLogsAndTemp_Click()
{
    if (WindowJob::isRunning(this))
        return;
    const std::shared_ptr<Prompt> prompt = platform().prompt;
    if (prompt->ask(tr("Do you want to clear all log files?").toStdString(), tr("Confirm...").toStdString()) ==
        Answer::No)
        return;
    Leftovers left;
    const std::vector<std::string> skipped = clearWithProgress(left);
    if (skipped.empty() && left.count == 0) {
        prompt->tell(tr("Succesfully deleted.").toStdString(), tr("Deleted...").toStdString(), Icon::Information);
        return;
    }
    prompt->tell(cleanupLeftText(skipped, left), tr("Deleted...").toStdString(), Icon::Warning);
}

// ClearLogFiles then ClearTempFiles, the deleting on a worker while the dialog keeps painting.
// Returns the folders skipped because of a kept folder; left gets what could not be deleted.
std::vector<std::string> frmMaintainceA::clearWithProgress(Leftovers &left)
{
    std::vector<std::string> skipped;
    const CleanupLocations at = cleanupLocations();
    ProgressRunner::Task task;
    task.title = tr("Deleting...");
    task.text = tr("Deleting the log files and the temporary files");
    try {
        const auto held = services().fileSystemShared(); // kept alive for the worker
        FileSystemObject &fs = *held;
        BusyPointer busy;
        WindowJob::run(this, task, [&](walk::WalkProgress &) {
            skipped = clearLogFolder(fs, at, &left);
            for (const std::string &folder : clearTempFolders(fs, at, &left))
                skipped.push_back(folder);
        });
    } catch (const std::exception &) {
        // Clearing never fails towards the dialog: what could not be deleted is simply left.
    }
    return skipped;
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

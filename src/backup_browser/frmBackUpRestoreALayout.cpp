// The browser's controls, placed by their twips positions.
#include "backup_browser/frmBackUpRestoreA.h"

#include "backup_browser/ArchiveListView.h"
#include "backup_browser/BrowserPictures.h"
#include "backup_browser/StatusPanel.h"
#include "ui/ClickablePicture.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTreeView>

#include <algorithm>

namespace rnx10 {

namespace {
QRect twips(int left, int top, int width, int height) { return QRect(left / 15, top / 15, width / 15, height / 15); }

template <typename W> W *place(W *widget, const char *name, const QRect &geometry)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

QPushButton *button(QWidget *panel, const char *name, const char *caption, int top, const char *colour)
{
    auto *b = place(new QPushButton(QString::fromUtf8(caption), panel), name, twips(120, top, 1575, 495));
    if (colour)
        b->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid #808080; border-radius: 3px; }"
                                        "QPushButton:pressed { border-style: inset; }")
                             .arg(QLatin1String(colour)));
    return b;
}
} // namespace

void frmBackUpRestoreA::buildControls()
{
    buildCommandPanel();
    buildDateArea();
    buildListArea();
    buildStatusBar();
    buildPopupMenu();
}

void frmBackUpRestoreA::buildCommandPanel()
{
    m_picCommand = place(new QWidget(this), "picCommand", twips(9600, 0, 1815, 7800));
    m_cmdRegBackup = button(m_picCommand, "cmdRegBackup", "Start &Backup", 240, "#C0FFC0");
    m_cmdRegBackup2 = button(m_picCommand, "cmdRegBackup2", "Registry Backup", 840, nullptr);
    m_cmdReport = button(m_picCommand, "cmdReport", "&Report", 1440, "#E0E0E0");
    m_cmdReport->setToolTip(QStringLiteral("Click here to view all the backup data log file."));
    m_cmdExit = button(m_picCommand, "cmdExit", "&Exit", 2040, "#FF8080");
}

void frmBackUpRestoreA::buildDateArea()
{
    m_imgLocker = place(new ClickablePicture(this), "imgLocker", twips(120, 120, 4110, 4200));
    m_imgLocker->setPixmap(pictures::locker(m_imgLocker->size() - QSize(0, 40)));
    m_imgLocker->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_MonthView1 = place(new QCalendarWidget(this), "MonthView1", twips(4320, 120, 5295, 3810));
    m_MonthView1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_Image2 = place(new QLabel(this), "Image2", twips(120, 3720, 750, 750));
    // The picture keeps to the box's corner so that the list's caption beside it stays readable.
    m_Image2->setPixmap(pictures::small(QSize(30, 30)));
    m_Image2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblHour = place(new QLabel(QStringLiteral("Hour: "), this), "lblHour", twips(5280, 3960, 855, 255));
    m_lblHour->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_lstTime = place(new QComboBox(this), "lstTime", twips(6240, 3960, 855, 315));
    m_lstTime->view()->setMinimumWidth(140);
    m_lblSize = place(new QLabel(QStringLiteral("Size"), this), "lblSize", twips(7200, 3960, 1815, 255));
    widenHourList();
    auto *line = place(new QFrame(this), "Line1", QRect(1440 / 15, 4320 / 15, (9600 - 1440) / 15, 1));
    line->setFrameShape(QFrame::NoFrame);
    line->setAutoFillBackground(true);
    line->setStyleSheet(QStringLiteral("background-color: #C0C0C0;"));
}

void frmBackUpRestoreA::widenHourList()
{
    // The given width does not show an hour such as "21-05" beside the arrow on this toolkit:
    // the list grows to fit one, and the size label moves right by as much.
    m_lstTime->addItem(QStringLiteral("00-00"));
    const int extra = std::max(0, m_lstTime->sizeHint().width() - m_lstTime->width());
    m_lstTime->clear();
    m_lstTime->resize(m_lstTime->width() + extra, m_lstTime->height());
    m_lblSize->setGeometry(m_lblSize->geometry().adjusted(extra, 0, 0, 0));
}

void frmBackUpRestoreA::buildListArea()
{
    m_lblArchives = place(new QLabel(QStringLiteral("Archives"), this), "lblArchives", twips(600, 4200, 855, 255));
    m_lvBody = place(new ArchiveListView(this), "lvBody", twips(120, 4440, 9375, 3255));
    // The views answer tool tip events themselves, so each carries the list's tip.
    const QString tip = QStringLiteral("Double click to open destination file or folder press F7 key for details.");
    for (QWidget *view : {static_cast<QWidget *>(m_lvBody), static_cast<QWidget *>(m_lvBody->iconView()),
                          static_cast<QWidget *>(m_lvBody->reportView())})
        view->setToolTip(tip);
    m_archives = new QStandardItemModel(0, 6, this);
    m_archives->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("SourceDir"), QStringLiteral("DestinationDir"),
                                           QStringLiteral("Computer"), QStringLiteral("User"), QStringLiteral("Now")});
    m_lvBody->setModel(m_archives);
    QPalette palette = m_lvBody->iconView()->viewport()->palette();
    palette.setBrush(QPalette::Base, QBrush(pictures::listBackground()));
    m_lvBody->iconView()->viewport()->setPalette(palette);
    QHeaderView *header = m_lvBody->reportView()->header();
    for (int column = 0; column < 6; ++column)
        header->resizeSection(column, column == 0 || column == 5 ? 110 : column <= 2 ? 150 : 80);
}

void frmBackUpRestoreA::buildStatusBar()
{
    m_StatusBar1 = place(new QStatusBar(this), "StatusBar1", twips(0, 7800, 11415, 495));
    m_StatusBar1->setSizeGripEnabled(false);
    m_StatusBar1->setContentsMargins(2, 0, 4, 0);
    for (int i = 0; i < 2; ++i) {
        m_panels[i] = new StatusPanel(m_StatusBar1);
        m_panels[i]->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i + 1));
        m_StatusBar1->addWidget(m_panels[i], 1);
    }
}

void frmBackUpRestoreA::buildPopupMenu()
{
    m_mnupopupmenu = new QMenu(QStringLiteral("&Popup Menu"), this);
    m_mnupopupmenu->setObjectName(QStringLiteral("mnupopupmenu"));
    const std::pair<const char *, const char *> items[] = {
        {"mnuPopUpStartBackup", "&Backup"},          {"mnuPopUpStartRestore", "&Restore"},
        {"mnuPopUpSep1", nullptr},                   {"mnuPopUpDeleteYear", "Delete Ye&ar"},
        {"mnuPopUpDeleteMonth", "Delete M&onth"},    {"mnuPopUpDeleteDay", "Delete Da&y"},
        {"mnuPopUpDeleteHour", "Delete &Hour"},      {"mnuPopUpDeleteArchive", "Delete Arch&ive"},
        {"mnuPopUpSep2", nullptr},                   {"mnuPopUpScheduleBackups", "&Schedule Backups"},
        {"mnuPopUpSep3", nullptr},                   {"mnuPopUpOpenFolder", "&Open"},
        {"mnuPopUpExit", "&Exit"},
    };
    for (const auto &[name, caption] : items) {
        QAction *action = caption ? m_mnupopupmenu->addAction(QString::fromLatin1(caption)) : m_mnupopupmenu->addSeparator();
        action->setObjectName(QString::fromLatin1(name));
    }
}

} // namespace rnx10

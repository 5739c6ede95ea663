// The browser's controls, placed by their twips positions, and how they follow a larger window.
#include "backup_browser/frmBackUpRestoreA.h"

#include "backup_browser/ArchiveDaysMarker.h"
#include "backup_browser/ArchiveListView.h"
#include "store_views/BrowserPictures.h"
#include "backup_browser/StatusPanel.h"
#include "ui/Accessibility.h"
#include "ui/ActionPicture.h"
#include "ui/DesignedPlace.h"

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
#include <QStyle>
#include <QTreeView>

#include <algorithm>

namespace rnx10 {

namespace {
QRect twips(int left, int top, int width, int height) { return QRect(left / 15, top / 15, width / 15, height / 15); }

template <typename W> W *place(W *widget, const char *name, const QRect &geometry)
{
    widget->setObjectName(QString::fromLatin1(name));
    setDesignedGeometry(widget, geometry);
    return widget;
}

// The panel's buttons keep their designed width: a caption wider than the button (a longer
// translation) is written smaller until it fits, so no caption is cut.
void fitCaption(QPushButton *b)
{
    const QString caption = plainCaption(b->text());
    const int room = b->width() - 2 * b->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b) - 4;
    QFont font = b->font();
    while (QFontMetrics(font).horizontalAdvance(caption) > room && font.pointSizeF() > 6)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    if (font != b->font())
        b->setFont(font);
}

QPushButton *button(QWidget *panel, const char *name, const QString &caption, int top, const char *colour)
{
    auto *b = place(new QPushButton(caption, panel), name, twips(120, top, 1575, 495));
    if (colour)
        b->setProperty(frmBackUpRestoreA::kDesignColour, QColor(QLatin1String(colour)));
    // Enter presses the button that has the focus, as Space does.
    b->setAutoDefault(true);
    fitCaption(b);
    return b;
}

// The controls that grow or move with the window, at the designed size (left to right).
const QRect kCommandPanel = twips(9600, 0, 1815, 7800);
const QRect kArchiveList = twips(120, 4440, 9375, 3255);
const QRect kStatusBar = twips(0, 7800, 11415, 495);
} // namespace

const QSize frmBackUpRestoreA::kDesignSize(761, 553);

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
    m_picCommand = place(new QWidget(this), "picCommand", kCommandPanel);
    m_cmdRegBackup = button(m_picCommand, "cmdRegBackup", tr("Start &Backup"), 240, "#C0FFC0");
    m_cmdRegBackup2 = button(m_picCommand, "cmdRegBackup2", tr("Registry Backup"), 840, nullptr);
    m_cmdReport = button(m_picCommand, "cmdReport", tr("&Report"), 1440, "#E0E0E0");
    m_cmdReport->setToolTip(tr("Click here to view all the backup data log file."));
    m_cmdExit = button(m_picCommand, "cmdExit", tr("&Exit"), 2040, "#FF8080");
}

void frmBackUpRestoreA::buildDateArea()
{
    m_imgLocker = place(new ActionPicture(pictures::paintLocker, this), "imgLocker", twips(120, 120, 4110, 4200));
    m_MonthView1 = place(new QCalendarWidget(this), "MonthView1", twips(4320, 120, 5295, 3810));
    m_MonthView1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_archiveDays = new ArchiveDaysMarker(m_MonthView1);
    // The picture keeps to the box's corner so that the list's caption beside it stays readable.
    const auto small = [](QPainter &p, const QRectF &area, const QPalette &palette) {
        pictures::paintSmall(p, area, palette, 30);
    };
    m_Image2 = place(new ActionPicture(small, this), "Image2", twips(120, 3720, 750, 750));
    m_lblHour = place(new QLabel(tr("Hour: "), this), "lblHour", twips(5280, 3960, 855, 255));
    m_lblHour->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_lstTime = place(new QComboBox(this), "lstTime", twips(6240, 3960, 855, 315));
    m_lstTime->view()->setMinimumWidth(140);
    m_lblSize = place(new QLabel(tr("Size"), this), "lblSize", twips(7200, 3960, 1815, 255));
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
    setDesignedGeometry(m_lstTime, designedGeometry(m_lstTime).adjusted(0, 0, extra, 0));
    setDesignedGeometry(m_lblSize, designedGeometry(m_lblSize).adjusted(extra, 0, 0, 0));
}

void frmBackUpRestoreA::buildListArea()
{
    m_lblArchives = place(new QLabel(tr("Archives"), this), "lblArchives", twips(600, 4200, 855, 255));
    m_lvBody = place(new ArchiveListView(this), "lvBody", kArchiveList);
    // The views answer tool tip events themselves, so each carries the list's tip.
    const QString tip = tr("Double click to open destination file or folder press F7 key for details.");
    for (QWidget *view : {static_cast<QWidget *>(m_lvBody), static_cast<QWidget *>(m_lvBody->iconView()),
                          static_cast<QWidget *>(m_lvBody->reportView())})
        view->setToolTip(tip);
    m_archives = new QStandardItemModel(0, 6, this);
    m_archives->setHorizontalHeaderLabels({tr("Name"), tr("SourceDir"), tr("DestinationDir"), tr("Computer"), tr("User"), tr("Now")});
    m_lvBody->setModel(m_archives);
    m_lvBody->setBackground(pictures::listBackground);
    m_lvBody->setColumnWidths({110, 150, 150, 80, 80, 110});
}

void frmBackUpRestoreA::buildStatusBar()
{
    m_StatusBar1 = place(new QStatusBar(this), "StatusBar1", kStatusBar);
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
    m_mnupopupmenu = new QMenu(tr("&Popup Menu"), this);
    m_mnupopupmenu->setObjectName(QStringLiteral("mnupopupmenu"));
    // The captions are translated as they are added, in the window's own context (tr's).
    const std::pair<const char *, const char *> items[] = {
        {"mnuPopUpStartBackup", QT_TRANSLATE_NOOP("rnx10::frmBackUpRestoreA", "&Backup")},
        {"mnuPopUpStartRestore", QT_TRANSLATE_NOOP("rnx10::frmBackUpRestoreA", "&Restore")},
        {"mnuPopUpSep1", nullptr},
        {"mnuPopUpDeleteYear", QT_TRANSLATE_NOOP("rnx10::frmBackUpRestoreA", "Delete Ye&ar")},
        {"mnuPopUpDeleteMonth", QT_TRANSLATE_NOOP("rnx10::frmBackUpRestoreA", "Delete M&onth")},
        {"mnuPopUpDeleteDay", QT_TRANSLATE_NOOP("rnx10::frmBackUpRestoreA", "Delete Da&y")},
        {"mnuPopUpDeleteHour", QT_TRANSLATE_NOOP("rnx10::frmBackUpRestoreA", "Delete &Hour")},
        {"mnuPopUpDeleteArchive", QT_TRANSLATE_NOOP("rnx10::frmBackUpRestoreA", "Delete Arch&ive")},
        {"mnuPopUpSep2", nullptr},
        {"mnuPopUpScheduleBackups", QT_TRANSLATE_NOOP("rnx10::frmBackUpRestoreA", "&Schedule Backups")},
        {"mnuPopUpSep3", nullptr},
        {"mnuPopUpOpenFolder", QT_TRANSLATE_NOOP("rnx10::frmBackUpRestoreA", "&Open")},
        {"mnuPopUpSep4", nullptr},
        {"mnuPopUpRestoreTo", QT_TRANSLATE_NOOP("rnx10::frmBackUpRestoreA", "Restore &To...")},
        {"mnuPopUpCompare", QT_TRANSLATE_NOOP("rnx10::frmBackUpRestoreA", "&Compare with Current...")},
        {"mnuPopUpFindFiles", QT_TRANSLATE_NOOP("rnx10::frmBackUpRestoreA", "&Find Files...")},
        {"mnuPopUpThinArchives", QT_TRANSLATE_NOOP("rnx10::frmBackUpRestoreA", "Thin O&ld Archives...")},
        {"mnuPopUpExit", QT_TRANSLATE_NOOP("rnx10::frmBackUpRestoreA", "&Exit")},
    };
    for (const auto &[name, caption] : items) {
        QAction *action = caption ? m_mnupopupmenu->addAction(tr(caption)) : m_mnupopupmenu->addSeparator();
        action->setObjectName(QString::fromLatin1(name));
    }
}

void frmBackUpRestoreA::placeGrowingControls()
{
    // What the window grows by beyond its designed size goes to the archive list; the command
    // panel keeps to the right edge and the status bar to the bottom; nothing else moves.
    const QSize extra = (size() - kDesignSize).expandedTo(QSize(0, 0));
    setDesignedGeometry(m_lvBody, kArchiveList.adjusted(0, 0, extra.width(), extra.height()));
    setDesignedGeometry(m_picCommand, kCommandPanel.translated(extra.width(), 0).adjusted(0, 0, 0, extra.height()));
    setDesignedGeometry(m_StatusBar1, kStatusBar.translated(0, extra.height()).adjusted(0, 0, extra.width(), 0));
    // In a right-to-left window every control shows at the mirror of its place, now the width is known.
    showDesignedPlaces(this);
    showDesignedPlaces(m_picCommand);
}

} // namespace rnx10

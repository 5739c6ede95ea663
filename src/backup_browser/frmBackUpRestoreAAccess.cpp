// The browser for the keyboard, for assistive technology and for light and dark themes.
#include "backup_browser/frmBackUpRestoreA.h"

#include "backup_browser/ArchiveListView.h"
#include "backup_browser/StatusPanel.h"
#include "ui/Accessibility.h"
#include "ui/ActionPicture.h"
#include "ui/ReadableColours.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTextCharFormat>
#include <QTreeView>

namespace rnx10 {

void frmBackUpRestoreA::nameControls()
{
    nameControl(m_picCommand, tr("Commands"));
    for (QPushButton *button : {m_cmdRegBackup, m_cmdRegBackup2, m_cmdReport, m_cmdExit})
        nameControl(button, plainCaption(button->text()));
    m_imgLocker->setAction(tr("Open the locker folder"));
    describeByToolTip(m_imgLocker);
    nameControl(m_MonthView1, tr("Backup date"));
    // The calendar's own parts, by the names the toolkit gives them; their spoken names are
    // translated in the window's own context (tr's).
    const std::pair<const char *, const char *> calendarParts[] = {
        {"qt_calendar_calendarview", QT_TRANSLATE_NOOP("rnx10::frmBackUpRestoreA", "Days")},
        {"qt_calendar_navigationbar", QT_TRANSLATE_NOOP("rnx10::frmBackUpRestoreA", "Month and year")},
        {"qt_calendar_prevmonth", QT_TRANSLATE_NOOP("rnx10::frmBackUpRestoreA", "Previous month")},
        {"qt_calendar_nextmonth", QT_TRANSLATE_NOOP("rnx10::frmBackUpRestoreA", "Next month")},
        {"qt_calendar_monthbutton", QT_TRANSLATE_NOOP("rnx10::frmBackUpRestoreA", "Month")},
        {"qt_calendar_yearbutton", QT_TRANSLATE_NOOP("rnx10::frmBackUpRestoreA", "Year")},
        {"qt_calendar_yearedit", QT_TRANSLATE_NOOP("rnx10::frmBackUpRestoreA", "Year")},
    };
    for (const auto &[part, name] : calendarParts)
        if (auto *widget = m_MonthView1->findChild<QWidget *>(QLatin1String(part)))
            nameControl(widget, tr(name));
    nameControl(m_Image2, tr("Archives picture"));
    m_lblHour->setBuddy(m_lstTime);
    nameControl(m_lstTime, plainCaption(m_lblHour->text()).remove(QLatin1Char(':')).trimmed());
    // The size label is read by its caption, which shows the size; its tip holds the bytes.
    describeByToolTip(m_lblSize);
    m_lblArchives->setBuddy(m_lvBody->iconView());
    for (QWidget *list : {static_cast<QWidget *>(m_lvBody), static_cast<QWidget *>(m_lvBody->iconView()),
                          static_cast<QWidget *>(m_lvBody->reportView())})
        nameControl(list, m_lblArchives->text());
    nameControl(findChild<QWidget *>(QStringLiteral("Line1")), tr("Separator"));
    nameControl(m_StatusBar1, tr("Status bar"));
    for (int i = 0; i < 2; ++i)
        nameControl(m_panels[i], tr("Status panel %1").arg(i + 1));
    m_mnupopupmenu->setAccessibleName(plainCaption(m_mnupopupmenu->title()));
    nameInnerParts(this);
}

void frmBackUpRestoreA::orderTabStops()
{
    // The picture and date area from the top left down to the list, then the command panel at
    // the right, then the status bar.
    const QList<QWidget *> stops = {m_imgLocker, m_MonthView1, m_lstTime, m_lvBody->iconView(), m_lvBody->reportView(),
                                    m_cmdRegBackup, m_cmdRegBackup2, m_cmdReport, m_cmdExit, m_panels[0], m_panels[1]};
    for (qsizetype i = 1; i < stops.size(); ++i)
        setTabOrder(stops[i - 1], stops[i]);
    // The day is the first choice the window asks for.
    m_MonthView1->setFocus();
}

void frmBackUpRestoreA::applyTheme()
{
    // The coloured buttons keep their colours; their text and focus frame take whichever colour
    // stays readable on them under the palette in use.
    for (QPushButton *button : m_picCommand->findChildren<QPushButton *>()) {
        const QColor colour = button->property(kDesignColour).value<QColor>();
        if (!colour.isValid())
            continue;
        const QColor text = readableTextOn(colour, palette());
        const QColor focus = readableOn(palette().color(QPalette::Highlight), colour);
        button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: %2; border: 1px solid #808080;"
                                             " border-radius: 3px; padding: 1px; }"
                                             "QPushButton:pressed { border-style: inset; }"
                                             "QPushButton:focus { border: 2px solid %3; padding: 0px; }")
                .arg(colour.name(), text.name(), focus.name()));
    }
    // Weekends stay red, a red that can be read on the calendar's base colour (the window's: the
    // calendar hears of a new palette after the window does).
    const QColor base = palette().color(QPalette::Base);
    for (Qt::DayOfWeek day : {Qt::Saturday, Qt::Sunday}) {
        QTextCharFormat format = m_MonthView1->weekdayTextFormat(day);
        format.setForeground(readableOn(QColor(Qt::red), base));
        m_MonthView1->setWeekdayTextFormat(day, format);
    }
}

} // namespace rnx10

// The backup archive browser: date, hour and archive of the store, and the operations on them.
#pragma once

#include "automation/Variant.h"
#include "store/BrowserFolders.h"

#include <QWidget>

#include <cstdint>
#include <string>

class QCalendarWidget;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QStandardItemModel;
class QStatusBar;
class QModelIndex;

namespace rnx10 {

class ArchiveDaysMarker;
class FindFilesWindow;
class ArchiveListView;
class ActionPicture;
class LockerSize;
class StatusPanel;

class frmBackUpRestoreA : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmBackUpRestoreA)

public:
    explicit frmBackUpRestoreA(QWidget *parent = nullptr);
    ~frmBackUpRestoreA() override;

    // Load handler: SetMe, then AddinTV. The browser command runs it once per window.
    void Form_Load();

    // The window's public methods, in their established order.
    void Startbakcup();
    void SetMe();
    void OpenSelFolder();
    Variant SelectedFolderOperations(const std::string &sSourceFolder, const std::string &sDestinationFolder);
    void ClearALL();
    void AddinTV();
    void AddinLv();
    void RefreshAdd();

    // Operations behind the buttons, the popup entries and the locker picture.
    void mnuPopUpDeleteArchive_Click();
    void mnuPopUpDeleteHour_Click();
    void mnuPopUpDeleteDay_Click();
    void mnuPopUpDeleteMonth_Click();
    void mnuPopUpDeleteYear_Click();
    void mnuPopUpStartRestore_Click();
    void cmdReport_Click();
    void cmdRegBackup_Click();
    void mnuPopUpStartBackup_Click();
    void cmdRegBackup2_Click();
    void mnuPopUpScheduleBackups_Click();
    void mnuPopUpThinArchives_Click();
    void imgLocker_DblClick();
    // Recovery entries (frmBackUpRestoreARecover.cpp).
    void mnuPopUpRestoreTo_Click();
    void mnuPopUpCompare_Click();
    // Opens a Find Files window on this computer's folder of the store and returns it.
    FindFilesWindow *mnuPopUpFindFiles_Click();

    // The form variables.
    const BrowserFolders &folders() const { return m_folders; }
    const std::string &BackupDrive() const { return m_folders.BackupDrive; }
    const std::string &ComputerFolder() const { return m_folders.ComputerFolder; }
    const std::string &YearFolder() const { return m_folders.YearFolder; }
    const std::string &MonthFolder() const { return m_folders.MonthFolder; }
    const std::string &DayFolder() const { return m_folders.DayFolder; }
    const std::string &HourFolder() const { return m_folders.HourFolder; }
    const std::string &SelectedSourceDir() const { return m_folders.SelectedSourceDir; }
    const std::string &SelectedDestinationDir() const { return m_folders.SelectedDestinationDir; }
    std::int16_t ReportFileNumber() const { return m_ReportFileNumber; }
    const std::string &ReportFilePath() const { return m_ReportFilePath; }

    // Full texts of the two status panels (a panel may show them shortened).
    std::string statusText(int panel) const;

    // The size the window opens at: the client area of 11415 x 8295 twips, at 15 twips a pixel.
    static const QSize kDesignSize;
    // The property holding a coloured button's designed background colour.
    static constexpr const char *kDesignColour = "designColour";

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Layout (frmBackUpRestoreALayout.cpp).
    void buildControls();
    void buildCommandPanel();
    void buildDateArea();
    void widenHourList();
    void buildListArea();
    void buildStatusBar();
    void buildPopupMenu();
    void wireEvents();
    void wireOperations();
    void placeGrowingControls();

    // Keyboard, assistive technology and themes (frmBackUpRestoreAAccess.cpp).
    void nameControls();
    void orderTabStops();
    void applyTheme();

    // Scan and list (frmBackUpRestoreAScan.cpp).
    void MonthView1_SelChange();
    void MonthView1_Click();
    void lstTime_Click();
    // The calendar's bold days looked at again (after a deletion).
    void refreshArchiveDays();
    // Where the error text panel 2 shows came from, if it shows one.
    enum class FillError { None, Scan, List };
    void setStatusText(int panel, const std::string &text);
    void showFillError(const std::string &description, FillError from);
    // A fill that went well takes its own stale error (a scan's: any) out of panel 2.
    void clearFillError(FillError from);

    // Selection, open, F7 and popup (frmBackUpRestoreASelection.cpp).
    void lvBody_ItemClick(const QModelIndex &index);
    void lvBody_DblClick();
    void lvBody_KeyDown(int keyCode);
    void lvBody_MouseDown(Qt::MouseButton button, const QModelIndex &row, const QPoint &globalPos);
    void lvBody_MenuKey(const QModelIndex &current, const QPoint &globalPos);
    // The popup at globalPos, for row (clicked first when valid).
    void showPopup(const QModelIndex &row, const QPoint &globalPos);
    void mnuPopUpOpenFolder_Click();
    void StatusBar1_PanelDblClick(int panel);

    // Report walk, with the operations (frmBackUpRestoreAOperations.cpp).
    void WriteFolderTree(const std::string &folder);

    BrowserFolders m_folders;
    FillError m_panel2Error = FillError::None;
    std::int16_t m_ReportFileNumber = 0;
    std::string m_ReportFilePath;

    QWidget *m_picCommand = nullptr;
    QPushButton *m_cmdRegBackup = nullptr;
    QPushButton *m_cmdRegBackup2 = nullptr;
    QPushButton *m_cmdReport = nullptr;
    QPushButton *m_cmdExit = nullptr;
    ActionPicture *m_imgLocker = nullptr;
    QCalendarWidget *m_MonthView1 = nullptr;
    ArchiveDaysMarker *m_archiveDays = nullptr;
    ActionPicture *m_Image2 = nullptr;
    QLabel *m_lblHour = nullptr;
    QComboBox *m_lstTime = nullptr;
    QLabel *m_lblSize = nullptr;
    QLabel *m_lblArchives = nullptr;
    ArchiveListView *m_lvBody = nullptr;
    QStandardItemModel *m_archives = nullptr;
    QStatusBar *m_StatusBar1 = nullptr;
    StatusPanel *m_panels[2] = {nullptr, nullptr};
    QMenu *m_mnupopupmenu = nullptr;
    LockerSize *m_lockerSize = nullptr; // the computer folder's size, walked after the first scan
};

} // namespace rnx10

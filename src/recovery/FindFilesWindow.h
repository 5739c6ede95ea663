// "Find Files": searches every archive's copy by name; results stream in while the search runs on
// a worker, and each can be opened, its folder opened, its versions listed or restored elsewhere.
#pragma once

#include "store/StoreArchives.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <string>

class QAction;
class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QTimer;
class QTreeView;

namespace rnx10 {

class FoundRowsModel;
class SearchFeed;

class FindFilesWindow : public QWidget {
    Q_OBJECT

public:
    // Restores a path in the store (a file or folder inside a copy) somewhere the user picks.
    using RestoreTo = std::function<void(const std::string &storePath)>;

    // Searches the archives of computerFolder.
    explicit FindFilesWindow(std::string computerFolder, QWidget *parent = nullptr);
    ~FindFilesWindow() override;

    // "Restore To..." stays disabled until a hook is set.
    void setRestoreTo(RestoreTo hook);
    bool searching() const { return m_feed != nullptr; }

signals:
    void searchFinished();

private:
    void buildControls();
    void wire();
    void startSearch();
    void cancelSearch();
    void takeFound();
    void endSearch(const std::optional<AutomationError> &error);
    void showStatus();
    void updateActions();
    std::string selectedStorePath() const;
    std::string selectedOriginalPath() const;
    void openSelected();
    void openSelectedFolder();
    void showVersions();
    void restoreSelected();
    void showMenu(const QPoint &at);
    DateRange chosenRange() const;

    std::string m_computerFolder;
    RestoreTo m_restoreTo;
    std::unique_ptr<SearchFeed> m_feed;
    QStringList m_unreadable; // the first few, for the tool tip
    int m_unreadableCount = 0;
    QString m_ending;

    QLineEdit *m_pattern = nullptr;
    QCheckBox *m_useFrom = nullptr, *m_useTo = nullptr;
    QDateEdit *m_from = nullptr, *m_to = nullptr;
    QPushButton *m_find = nullptr, *m_cancel = nullptr;
    QProgressBar *m_busy = nullptr;
    QLabel *m_status = nullptr;
    QTreeView *m_results = nullptr;
    FoundRowsModel *m_model = nullptr;
    QSortFilterProxyModel *m_sorted = nullptr;
    QPushButton *m_open = nullptr, *m_openFolder = nullptr, *m_versions = nullptr, *m_restore = nullptr;
    QMenu *m_menu = nullptr;
    QAction *m_restoreAction = nullptr; // the menu's Restore To..., enabled only with a hook
    QTimer *m_tick = nullptr;
};

} // namespace rnx10

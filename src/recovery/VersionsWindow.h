// "Versions": every archive holding one path, newest first, with whether it changed against the
// next older one; a version can be restored elsewhere.
#pragma once

#include <QWidget>

#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QStandardItemModel;
class QTreeView;

namespace rnx10 {

class VersionsWindow : public QWidget {
    Q_OBJECT

public:
    using RestoreTo = std::function<void(const std::string &storePath)>;

    // Looks in the archives of computerFolder.
    explicit VersionsWindow(std::string computerFolder, QWidget *parent = nullptr);

    // "Restore To..." stays disabled until a hook is set.
    void setRestoreTo(RestoreTo hook);
    // Puts path in the field and lists its versions; a failure is told in a message box.
    void showVersionsOf(const std::string &path);

private:
    void list();
    void updateActions();
    void restoreSelected();
    std::string selectedStorePath() const;

    std::string m_computerFolder;
    RestoreTo m_restoreTo;
    // The path given by showVersionsOf, as raw bytes, while the field still shows it: a name that
    // is not UTF-8 does not survive the field's text.
    std::string m_givenPath;
    QString m_givenText;
    QLineEdit *m_path = nullptr;
    QPushButton *m_show = nullptr;
    QTreeView *m_list = nullptr;
    QStandardItemModel *m_model = nullptr;
    QLabel *m_status = nullptr;
    QPushButton *m_restore = nullptr;
};

} // namespace rnx10

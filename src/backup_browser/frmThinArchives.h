// "Thin Old Archives": the thinning rule's five numbers, the runs it would delete (listed at once,
// sizes following from a worker), "Thin" with a confirmation, and thinning after every scheduled
// backup.
#pragma once

#include "backup_browser/core/StoreThinning.h"

#include <QDateTime>
#include <QDialog>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTreeWidget;

namespace rnx10 {

class RunSizes;

class frmThinArchives : public QDialog {
    Q_OBJECT

public:
    // computerFolder: the folder whose runs are thinned; now: the preview's clock (a fixed one
    // gives a reproducible preview).
    frmThinArchives(QWidget *parent, std::string computerFolder, QDateTime now = QDateTime::currentDateTime());
    ~frmThinArchives() override;

private:
    QSpinBox *spinBox(const char *name, int value);
    ThinningRule shownRule() const;
    void ruleChanged();
    void preview();
    void sizeMeasured(std::size_t index, std::optional<std::uint64_t> bytes);
    void showTotal();
    void cmdThin_Click();
    void chkAfterBackup_Toggled(bool on);
    void saveSettings();

    std::string m_computerFolder;
    QDateTime m_now;
    std::array<QSpinBox *, 5> m_numbers{};
    QCheckBox *m_afterBackup = nullptr;
    QTreeWidget *m_runs = nullptr;
    QLabel *m_total = nullptr;
    QPushButton *m_thin = nullptr;
    RunSizes *m_sizes = nullptr;
    ThinningPlan m_plan;
    std::vector<std::optional<std::uint64_t>> m_bytes;
};

} // namespace rnx10

// "Thin Old Archives": the thinning rule's five numbers, the runs it would delete (listed at once,
// sizes following from a worker), "Thin" with a confirmation, and thinning after every scheduled
// backup.
#pragma once

#include "store/StoreThinning.h"

#include <QDateTime>
#include <QDialog>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTreeWidget;

namespace rnx10 {

class RunSizes;
struct MeasuredRun;

class frmThinArchives : public QDialog {
    Q_OBJECT

public:
    // computerFolder: the folder whose runs are thinned; now: the preview's clock (a fixed one
    // gives a reproducible preview).
    frmThinArchives(QWidget *parent, std::string computerFolder, QDateTime now = QDateTime::currentDateTime());
    ~frmThinArchives() override;

    // Whether runs were deleted while the window was open: the browser's lists then need reading again.
    bool thinned() const { return m_thinned; }

private:
    QSpinBox *spinBox(const char *name, int value);
    ThinningRule shownRule() const;
    void ruleChanged();
    void preview();
    bool ruleRefused(const ThinningRule &rule);
    void sizesMeasured(const std::vector<MeasuredRun> &batch);
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
    std::optional<ListedStore> m_listed; // read once, again after a thinning
    ThinningPlan m_plan;
    // Each run's size once measured, kept across previews: a changed number lists other runs, not
    // other sizes.
    std::unordered_map<std::string, std::optional<std::uint64_t>> m_sizeOf;
    std::unordered_map<std::string, int> m_rowOf; // the listed runs' rows, by path
    bool m_thinned = false;
};

} // namespace rnx10

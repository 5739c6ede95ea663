#include "recovery/CompareWindow.h"

#include "store/ShownValue.h"
#include "platform/TerminalText.h"
#include "ui/CloseOnEscape.h"
#include "ui/TellingConnect.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace rnx10 {

namespace {

QString shown(const std::string &text) { return QString::fromStdString(printableText(shownValue(text))); }

QLabel *plainLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// The rows' texts, in the window's own context (its tr's).
QString kindText(walk::ChangeKind kind)
{
    switch (kind) {
    case walk::ChangeKind::OnlyCurrent: return QCoreApplication::translate("rnx10::CompareWindow", "- Only in the current folder");
    case walk::ChangeKind::OnlyArchive: return QCoreApplication::translate("rnx10::CompareWindow", "+ Only in the archive");
    case walk::ChangeKind::Differs: break;
    }
    return QCoreApplication::translate("rnx10::CompareWindow", "~ Different");
}

QString whatText(const walk::TreeChange &change)
{
    switch (change.kind) {
    case walk::ChangeKind::OnlyCurrent: return QCoreApplication::translate("rnx10::CompareWindow", "a restore removes it");
    case walk::ChangeKind::OnlyArchive: return QCoreApplication::translate("rnx10::CompareWindow", "a restore brings it back");
    case walk::ChangeKind::Differs: break;
    }
    const std::string what = change.what;
    if (what == "link")
        return QCoreApplication::translate("rnx10::CompareWindow", "link target");
    if (what == "time")
        return QCoreApplication::translate("rnx10::CompareWindow", "modification time");
    if (what == "type")
        return QCoreApplication::translate("rnx10::CompareWindow", "type");
    if (what == "size")
        return QCoreApplication::translate("rnx10::CompareWindow", "size");
    if (what == "content")
        return QCoreApplication::translate("rnx10::CompareWindow", "contents");
    return QString::fromLatin1(change.what);
}

} // namespace

CompareWindow::CompareWindow(QWidget *parent, const std::string &copy, const std::string &sourceDir,
                             const ComparedTrees &compared)
    : QWidget(parent, Qt::Window), m_copy(copy), m_sourceDir(sourceDir)
{
    setObjectName(QStringLiteral("frmCompare"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Compare with Current"));
    setMinimumSize(520, 320);
    resize(720, 460);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(plainLabel(tr("Archive: %1\nCurrent folder: %2").arg(shown(copy), shown(sourceDir)), this));
    m_changes = new QTreeWidget(this);
    m_changes->setObjectName(QStringLiteral("lvChanges"));
    m_changes->setRootIsDecorated(false);
    m_changes->setUniformRowHeights(true);
    m_changes->setHeaderLabels({tr("Change"), tr("Path"), tr("What differs")});
    m_changes->setTextElideMode(Qt::ElideMiddle);
    // The two fixed texts get their room, measured once (not over every row); the path the rest.
    const QFontMetrics metrics = m_changes->fontMetrics();
    QHeaderView *header = m_changes->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    header->resizeSection(0, metrics.horizontalAdvance(kindText(walk::ChangeKind::OnlyCurrent)) + 24);
    header->resizeSection(2, metrics.horizontalAdvance(tr("a restore brings it back")) + 24);
    layout->addWidget(m_changes, 1);
    m_contents = new QCheckBox(tr("Compare the files' contents too (&reads every file)"), this);
    m_contents->setObjectName(QStringLiteral("chkContents"));
    connectTelling(m_contents, &QCheckBox::toggled, this, &CompareWindow::compareAgain);
    layout->addWidget(m_contents);
    m_counts = plainLabel({}, this);
    m_counts->setObjectName(QStringLiteral("lblCounts"));
    layout->addWidget(m_counts);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    layout->addWidget(buttons);
    new CloseOnEscape(this);
    fillRows(compared);
}

void CompareWindow::compareAgain()
{
    try {
        fillRows(compareWithProgress(this, m_copy, m_sourceDir, m_contents->isChecked()));
    } catch (...) {
        // Stopped or failed: the rows still show the last comparison, and the box how it was made.
        const QSignalBlocker blocker(m_contents);
        m_contents->setChecked(!m_contents->isChecked());
        throw;
    }
}

void CompareWindow::fillRows(const ComparedTrees &compared)
{
    m_changes->clear();
    QList<QTreeWidgetItem *> rows;
    rows.reserve(static_cast<qsizetype>(compared.changes.size() + compared.skipped.size()));
    for (const walk::TreeChange &change : compared.changes)
        rows.append(new QTreeWidgetItem({kindText(change.kind), shown(change.path), whatText(change)}));
    // Passed over, as find passes over what it cannot read: the full path, and why.
    for (const SkippedEntry &skipped : compared.skipped)
        rows.append(new QTreeWidgetItem({tr("! Not read"), shown(skipped.path), shown(skipped.why)}));
    m_changes->addTopLevelItems(rows);
    m_changes->setCurrentItem(m_changes->topLevelItem(0));
    const walk::ChangeCounts &c = compared.counts;
    m_counts->setText(tr("%1 only in the current folder, %2 only in the archive, %3 different")
                          .arg(QString::number(c.onlyCurrent), QString::number(c.onlyArchive), QString::number(c.differs)));
    if (rows.isEmpty())
        m_counts->setText(tr("The current folder holds what the archive holds."));
}

} // namespace rnx10

#include "recovery/VersionsWindow.h"

#include "store_views/ArchiveItems.h"
#include "recovery/ResultItems.h"
#include "store/FileVersions.h"
#include "ui/CloseOnEscape.h"
#include "ui/TellFailure.h"
#include "ui/WindowJob.h"
#include "ui/TellingConnect.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTreeView>
#include <QVBoxLayout>

namespace rnx10 {

VersionsWindow::VersionsWindow(std::string computerFolder, QWidget *parent)
    : QWidget(parent, Qt::Window), m_computerFolder(std::move(computerFolder))
{
    setObjectName(QStringLiteral("frmVersions"));
    setWindowTitle(tr("Versions"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_path = new QLineEdit(this);
    m_path->setObjectName(QStringLiteral("txtPath"));
    m_path->setPlaceholderText(tr("/home/user/Documents/report.odt"));
    auto *pathLabel = new QLabel(tr("&Path:"), this);
    pathLabel->setBuddy(m_path);
    m_show = new QPushButton(tr("&Show"), this);
    m_show->setObjectName(QStringLiteral("cmdShow"));
    m_model = new QStandardItemModel(0, 5, this);
    m_model->setHorizontalHeaderLabels(versionHeaders());
    m_list = new QTreeView(this);
    m_list->setObjectName(QStringLiteral("lvVersions"));
    m_list->setModel(m_model);
    m_list->setRootIsDecorated(false);
    m_list->setAllColumnsShowFocus(true);
    m_list->setUniformRowHeights(true);
    m_list->setTextElideMode(Qt::ElideMiddle);
    const int widths[] = {150, 80, 140, 70, 300};
    for (int c = 0; c < 5; ++c)
        m_list->setColumnWidth(c, widths[c]);
    m_status = new QLabel(this);
    m_status->setTextFormat(Qt::PlainText);
    m_status->setObjectName(QStringLiteral("lblStatus"));
    m_restore = new QPushButton(tr("R&estore To..."), this);
    m_restore->setObjectName(QStringLiteral("cmdRestoreTo"));

    auto *top = new QHBoxLayout;
    top->addWidget(pathLabel);
    top->addWidget(m_path, 1);
    top->addWidget(m_show);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_status, 1);
    bottom->addWidget(m_restore);
    auto *all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addWidget(m_list, 1);
    all->addLayout(bottom);
    setMinimumSize(560, 300);
    resize(780, 400);

    connect(m_show, &QPushButton::clicked, this, [this] { tellingFailure([this] { list(); }); });
    connect(m_path, &QLineEdit::returnPressed, this, [this] { tellingFailure([this] { list(); }); });
    connectTelling(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this, &VersionsWindow::updateActions);
    connectTelling(m_restore, &QPushButton::clicked, this, &VersionsWindow::restoreSelected);
    new CloseOnEscape(this);
    updateActions();
}

void VersionsWindow::setRestoreTo(RestoreTo hook)
{
    m_restoreTo = std::move(hook);
    updateActions();
}

void VersionsWindow::showVersionsOf(const std::string &path)
{
    m_givenPath = path;
    m_givenText = QFile::decodeName(QByteArray::fromStdString(path));
    m_path->setText(m_givenText);
    tellingFailure([this] { list(); });
}

void VersionsWindow::list()
{
    const std::string path =
        m_path->text() == m_givenText ? m_givenPath : QFile::encodeName(m_path->text()).toStdString();
    m_model->removeRows(0, m_model->rowCount());
    m_status->clear();
    std::vector<FileVersion> versions;
    WindowJob::run(this, {tr("Versions"), tr("Looking for the versions of %1").arg(m_path->text()), true},
                   [&](walk::WalkProgress &progress) { versions = fileVersions(m_computerFolder, path, &progress); });
    for (const FileVersion &v : versions)
        m_model->appendRow(versionItems(v));
    m_status->setText(versions.empty()       ? tr("No archive holds this path.")
                      : versions.size() == 1 ? tr("1 version")
                                             : tr("%1 versions").arg(versions.size()));
    updateActions();
}

std::string VersionsWindow::selectedStorePath() const
{
    const QModelIndex at = m_list->currentIndex();
    return at.isValid() ? rawBytes(m_model->item(at.row(), 0)) : std::string();
}

void VersionsWindow::updateActions() { m_restore->setEnabled(m_restoreTo && m_list->currentIndex().isValid()); }

void VersionsWindow::restoreSelected()
{
    const std::string path = selectedStorePath();
    if (!path.empty() && m_restoreTo)
        tellingFailure([&] { m_restoreTo(path); });
}

} // namespace rnx10

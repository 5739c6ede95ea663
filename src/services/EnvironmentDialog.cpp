#include "services/EnvironmentDialog.h"

#include "automation/AutomationError.h"
#include "platform/Translation.h"
#include "services/RuntimeService.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace rnx10 {

namespace {
// Where a value came from, as the Source column shows it: a file by its path.
QString shownSource(const std::string &source)
{
    if (source == "environment")
        return EnvironmentDialog::tr("environment");
    if (source == "default")
        return EnvironmentDialog::tr("default");
    return QString::fromStdString(source);
}
} // namespace

EnvironmentDialog::EnvironmentDialog(QWidget *parent) : QDialog(parent), m_table(new QTableWidget(this))
{
    setWindowTitle(tr("Zorvane Debugger - Environment"));
    setObjectName(QStringLiteral("frmDebuggerOptions"));
    auto *layout = new QVBoxLayout(this);
    auto *heading = new QLabel(tr("Environment keys as the suite resolves them now. Configuration file: %1")
                                   .arg(QString::fromStdString(RuntimeService::configurationFile())),
                               this);
    heading->setObjectName(QStringLiteral("lblConfiguration"));
    heading->setTextFormat(Qt::PlainText);
    layout->addWidget(heading);
    m_table->setObjectName(QStringLiteral("tblEnvironment"));
    m_table->setAccessibleName(tr("Environment keys"));
    m_table->setColumnCount(3);
    m_table->setHorizontalHeaderLabels({tr("Key"), tr("Value"), tr("Source")});
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false); // Tab goes on to Close; the arrow keys move in the table
    layout->addWidget(m_table);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("cmdClose"));
    buttons->button(QDialogButtonBox::Close)->setDefault(true); // Enter closes, as Escape does
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    fill();
    resize(760, 340);
}

void EnvironmentDialog::fill()
{
    RuntimeService runtime;
    const auto &keys = RuntimeService::keys();
    m_table->setRowCount(static_cast<int>(keys.size()));
    for (int row = 0; row < static_cast<int>(keys.size()); ++row) {
        RuntimeService::Lookup found;
        QString source;
        try {
            found = runtime.lookup(keys[row]);
            source = shownSource(found.source);
        } catch (const AutomationError &e) {
            source = QString::fromStdString(shownDescription(e));
        }
        m_table->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(keys[row])));
        m_table->setItem(row, 1, new QTableWidgetItem(QString::fromLocal8Bit(found.value.c_str())));
        m_table->setItem(row, 2, new QTableWidgetItem(source));
    }
    m_table->resizeColumnsToContents();
}

} // namespace rnx10

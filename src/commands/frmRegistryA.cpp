#include "commands/frmRegistryA.h"

#include "automation/AutomationError.h"
#include "commands/CommandPictures.h"
#include "commands/RegistryNavigation.h"
#include "platform/Platform.h"
#include "ui/TellingConnect.h"
#include "ui/BusyGuard.h"
#include "ui/CloseOnEscape.h"
#include "ui/TellFailure.h"

#include <QComboBox>
#include <QCompleter>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace rnx10 {

frmRegistryA::frmRegistryA(QWidget *parent)
    : QDialog(parent), m_cmbViewRegEditForKey(new QComboBox(this)),
      m_cmdViewRegEditForKey(new QPushButton(tr("Navigate To ZV Env"), this))
{
    setObjectName(QStringLiteral("frmRegistryA"));
    setWindowTitle(tr("Zorvane Support Center - Registry"));
    setWindowIcon(registryIcon());
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    buildControls();
    connectTelling(m_cmdViewRegEditForKey, &QPushButton::clicked, this, &frmRegistryA::cmdViewRegEditForKey_Click);
    new CloseOnEscape(this);
}

void frmRegistryA::buildControls()
{
    m_cmbViewRegEditForKey->setObjectName(QStringLiteral("cmbViewRegEditForKey"));
    m_cmbViewRegEditForKey->setFont(QFont(QStringLiteral("Verdana"), 9));
    m_cmbViewRegEditForKey->setEditable(true);
    m_cmbViewRegEditForKey->setInsertPolicy(QComboBox::NoInsert);
    // Text that differs from the entry only in case is not the entry: neither the completion nor
    // Enter may turn it into the entry (a case-sensitive completer makes both exact).
    m_cmbViewRegEditForKey->completer()->setCaseSensitivity(Qt::CaseSensitive);
    m_cmbViewRegEditForKey->setMinimumWidth(330);
    m_cmbViewRegEditForKey->setAccessibleName(tr("Product settings"));
    m_cmbViewRegEditForKey->lineEdit()->setAccessibleName(m_cmbViewRegEditForKey->accessibleName());
    m_cmdViewRegEditForKey->setObjectName(QStringLiteral("cmdViewRegEditForKey"));
    // The dialog's one action: Enter in the combo box presses it too.
    m_cmdViewRegEditForKey->setDefault(true);
    m_cmdViewRegEditForKey->setToolTip(tr("Opens the folder that holds the chosen product's settings"));

    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(m_cmdViewRegEditForKey);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(10);
    layout->addWidget(m_cmbViewRegEditForKey);
    layout->addLayout(buttonRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void frmRegistryA::Form_Load()
{
    m_cmbViewRegEditForKey->clear();
    m_cmbViewRegEditForKey->addItem(QString::fromUtf8(kLumoraEntry));
    // Adding to an empty list selects the entry; the dialog starts with none chosen.
    m_cmbViewRegEditForKey->setCurrentIndex(-1);
    m_cmbViewRegEditForKey->setEditText(QString());
}

void frmRegistryA::cmdViewRegEditForKey_Click()
{
    if (BusyGuard::isRunning(this))
        return;
    tellingFailure([this] { navigateToRegistryKey(m_cmbViewRegEditForKey->currentText().toStdString()); });
}

} // namespace rnx10

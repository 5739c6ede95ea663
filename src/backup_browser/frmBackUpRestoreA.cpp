#include "backup_browser/frmBackUpRestoreA.h"

#include "backup_browser/BrowserPictures.h"
#include "backup_browser/StatusPanel.h"
#include "ui/CloseOnEscape.h"

#include <QApplication>
#include <QKeyEvent>

namespace rnx10 {

frmBackUpRestoreA::frmBackUpRestoreA(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmBackUpRestoreA"));
    setWindowTitle(QStringLiteral("Zorvane Backup & Restore"));
    setWindowIcon(pictures::window());
    setAttribute(Qt::WA_DeleteOnClose);
    // Client area 11415 x 8295 twips at 15 twips a pixel.
    setFixedSize(761, 553);
    buildControls();
    wireEvents();
    wireOperations();
    new CloseOnEscape(this);
}

frmBackUpRestoreA::~frmBackUpRestoreA() = default;

void frmBackUpRestoreA::Form_Load()
{
    SetMe();
    AddinTV();
}

std::string frmBackUpRestoreA::statusText(int panel) const
{
    return panel >= 1 && panel <= 2 ? m_panels[panel - 1]->panelText() : std::string();
}

void frmBackUpRestoreA::setStatusText(int panel, const std::string &text)
{
    m_panels[panel - 1]->setPanelText(text);
    if (panel == 2)
        m_panel2Error = FillError::None;
}

} // namespace rnx10

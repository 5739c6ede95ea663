#include "backup_browser/frmBackUpRestoreA.h"

#include "store_views/BrowserPictures.h"
#include "backup_browser/StatusPanel.h"
#include "ui/CloseOnEscape.h"

#include <QApplication>
#include <QKeyEvent>

namespace rnx10 {

frmBackUpRestoreA::frmBackUpRestoreA(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmBackUpRestoreA"));
    //: %1 is the product's name, shown as it is in every language.
    setWindowTitle(tr("%1 Backup & Restore").arg(QStringLiteral("Zorvane")));
    setWindowIcon(pictures::window());
    setAttribute(Qt::WA_DeleteOnClose);
    // Opens at its designed size; it may be made larger, not smaller.
    setMinimumSize(kDesignSize);
    resize(kDesignSize);
    buildControls();
    wireEvents();
    wireOperations();
    nameControls();
    orderTabStops();
    applyTheme();
    new CloseOnEscape(this);
}

frmBackUpRestoreA::~frmBackUpRestoreA() = default;

void frmBackUpRestoreA::Form_Load()
{
    SetMe();
    AddinTV();
}

void frmBackUpRestoreA::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeGrowingControls();
}

void frmBackUpRestoreA::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        applyTheme();
    else if (event->type() == QEvent::LayoutDirectionChange)
        placeGrowingControls();
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

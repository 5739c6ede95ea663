#include "backup_browser/frmBackUpRestoreA.h"

#include "backup_browser/BrowserPictures.h"
#include "backup_browser/StatusPanel.h"

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
    // The window sees key presses before its controls, whichever of them has the focus.
    qApp->installEventFilter(this);
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

void frmBackUpRestoreA::setStatusText(int panel, const std::string &text) { m_panels[panel - 1]->setPanelText(text); }

bool frmBackUpRestoreA::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->window() == this) {
            close();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace rnx10

#include "commands/frmupdatesA.h"

#include "commands/CommandPictures.h"
#include "ui/PaintedPicture.h"

#include <QVBoxLayout>

namespace rnx10 {

frmupdatesA::frmupdatesA(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmupdatesA"));
    setWindowTitle(tr("Zorvane Updates"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *picture = new PaintedPicture(kUpdatesPictureSize, &paintUpdatesPicture, this);
    picture->setObjectName(QStringLiteral("imgUpdates"));
    picture->setAccessibleName(tr("Zorvane Updates"));
    picture->setAccessibleDescription(
        tr("New versions of the Zorvane suite are announced on the downloads page. Escape closes this window."));
    layout->addWidget(picture);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace rnx10

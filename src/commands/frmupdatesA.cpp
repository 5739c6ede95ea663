#include "commands/frmupdatesA.h"

#include "commands/CommandPictures.h"

#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace rnx10 {

frmupdatesA::frmupdatesA(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmupdatesA"));
    setWindowTitle(QStringLiteral("Zorvane Updates"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgUpdates"));
    picture->setPixmap(updatesPicture());
    layout->addWidget(picture);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace rnx10

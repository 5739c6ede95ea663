#include "platform/MessageBoxPrompt.h"

#include "platform/Application.h"

#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

namespace rnx10 {

namespace {
QMessageBox::Icon toQt(Icon icon)
{
    switch (icon) {
    case Icon::Question: return QMessageBox::Question;
    case Icon::Information: return QMessageBox::Information;
    case Icon::Warning: return QMessageBox::Warning;
    case Icon::Critical: return QMessageBox::Critical;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

Answer MessageBoxPrompt::ask(const std::string &text, const std::string &title, bool systemModal, const std::string &details,
                             Answer byDefault)
{
    ensureApplication();
    QMessageBox box(QMessageBox::Question, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(byDefault == Answer::Yes ? QMessageBox::Yes : QMessageBox::No);
    if (systemModal)
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    if (!details.empty())
        box.setDetailedText(QString::fromStdString(details));
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void MessageBoxPrompt::tell(const std::string &text, const std::string &title, Icon icon)
{
    ensureApplication();
    QMessageBox box(toQt(icon), QString::fromStdString(title), QString::fromStdString(text), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

std::string MessageBoxPrompt::chooseFolder(const std::string &title, const std::string &start)
{
    ensureApplication();
    const QString chosen = QFileDialog::getExistingDirectory(nullptr, QString::fromStdString(title),
                                                             QFile::decodeName(QByteArray::fromStdString(start)));
    return QFile::encodeName(chosen).toStdString();
}

} // namespace rnx10

// rnx.exe [--screenshot FILE]: the support-centre program; with --screenshot it renders its window
// to FILE (PNG) and ends.
#include "SupportCenterWindow.h"

#include "automation/AutomationError.h"
#include "platform/Application.h"
#include "platform/MessageBoxPrompt.h"
#include "platform/TerminalText.h"
#include "platform/Translation.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <memory>

int main(int argc, char **argv)
{
    // The component's own application: where Qt would abort with no display, this says why.
    QApplication *app = nullptr;
    try {
        app = rnx10::ensureApplication();
    } catch (const rnx10::AutomationError &e) {
        std::fprintf(stderr, "rnx.exe: error %d: %s\n", e.number(),
                     rnx10::printableText(rnx10::shownDescription(e)).c_str());
        return 1;
    }
    QApplication::setApplicationName(QStringLiteral("rnx"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate("rnx.exe", "Zorvane Support Center"));
    parser.addHelpOption();
    //: "<file>" is the option's value, "file" below: translate both alike.
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QCoreApplication::translate("rnx.exe", "Render the window to <file> (PNG) and quit."),
                                        //: The value of --screenshot, as the help shows it: <file>.
                                        QCoreApplication::translate("rnx.exe", "file"));
    parser.addOption(screenshot);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    parser.process(arguments);

    std::unique_ptr<rnx10::SupportCenterWindow> window;
    try {
        window = std::make_unique<rnx10::SupportCenterWindow>();
    } catch (const rnx10::AutomationError &e) {
        const QString text = QCoreApplication::translate("rnx.exe", "Error %1: %2")
                                 .arg(QString::number(e.number()), QString::fromStdString(rnx10::shownDescription(e)));
        std::fprintf(stderr, "rnx.exe: %s\n", rnx10::printableText(text.toStdString()).c_str());
        if (!parser.isSet(screenshot))
            rnx10::MessageBoxPrompt().tell(text.toStdString(),
                                           QCoreApplication::translate("rnx.exe", "Zorvane Support Center").toStdString(),
                                           rnx10::Icon::Critical);
        return 1;
    }
    window->show();
    if (parser.isSet(screenshot)) {
        const QString file = parser.value(screenshot);
        if (!window->grab().save(file, "PNG")) {
            std::fprintf(stderr, "rnx.exe: %s\n",
                         rnx10::fillIn(rnx10::tx("rnx.exe", "cannot write %1"),
                                       {rnx10::printableText(file.toLocal8Bit().toStdString())})
                             .c_str());
            return 1;
        }
        return 0;
    }
    return app->exec();
}

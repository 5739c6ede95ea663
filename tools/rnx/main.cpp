// rnx.exe [--screenshot FILE]: the support-centre program; with --screenshot it renders its window
// to FILE (PNG) and ends.
#include "SupportCenterWindow.h"

#include "automation/AutomationError.h"
#include "platform/Application.h"
#include "platform/MessageBoxPrompt.h"
#include "platform/TerminalText.h"

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
        std::fprintf(stderr, "rnx.exe: error %d: %s\n", e.number(), rnx10::printableText(e.description()).c_str());
        return 1;
    }
    QApplication::setApplicationName(QStringLiteral("rnx"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Zorvane Support Center"));
    parser.addHelpOption();
    const QCommandLineOption screenshot(QStringLiteral("screenshot"), QStringLiteral("Render the window to <file> (PNG) and quit."),
                                        QStringLiteral("file"));
    parser.addOption(screenshot);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    parser.process(arguments);

    std::unique_ptr<rnx10::SupportCenterWindow> window;
    try {
        window = std::make_unique<rnx10::SupportCenterWindow>();
    } catch (const rnx10::AutomationError &e) {
        const QString text = QStringLiteral("Error %1: %2").arg(e.number()).arg(QString::fromStdString(e.description()));
        std::fprintf(stderr, "rnx.exe: %s\n", rnx10::printableText(text.toStdString()).c_str());
        if (!parser.isSet(screenshot))
            rnx10::MessageBoxPrompt().tell(text.toStdString(), "Zorvane Support Center", rnx10::Icon::Critical);
        return 1;
    }
    window->show();
    if (parser.isSet(screenshot)) {
        const QString file = parser.value(screenshot);
        if (!window->grab().save(file, "PNG")) {
            std::fprintf(stderr, "rnx.exe: cannot write %s\n",
                         rnx10::printableText(file.toLocal8Bit().toStdString()).c_str());
            return 1;
        }
        return 0;
    }
    return app->exec();
}

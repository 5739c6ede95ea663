// A stand-in for a suite tool that is not part of this project: says what it is and ends.
#pragma once

#include "automation/AutomationError.h"
#include "platform/Application.h"
#include "platform/TerminalText.h"
#include "platform/Translation.h"

#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace rnx10::placeholder {

// A box only where someone can see and close it: never offscreen, where it would wait for ever.
inline bool offscreen()
{
    const char *qpa = std::getenv("QT_QPA_PLATFORM");
    return qpa && (std::string_view(qpa) == "offscreen" || std::string_view(qpa) == "minimal");
}

// title: the tool's name, as it is; text: English, marked QT_TRANSLATE_NOOP("Placeholder", ...) where
// it is written, and shown in the user's language.
inline int run(const char *title, const char *englishText)
{
    const std::string text = tx("Placeholder", englishText);
    std::printf("%s: %s\n", title, text.c_str());
    std::fflush(stdout);
    if (offscreen())
        return 0;
    // The library's own probe: a display that is named but cannot be reached (a closed ssh -X
    // session, a Wayland socket that is gone) is told, where Qt itself would abort.
    try {
        ensureApplication();
    } catch (const AutomationError &e) {
        std::fprintf(stderr, "%s: %s\n", title, printableText(shownDescription(e)).c_str());
        return 0;
    }
    QMessageBox box(QMessageBox::Information, QString::fromUtf8(title), QString::fromStdString(text), QMessageBox::Ok);
    box.exec();
    return 0;
}

} // namespace rnx10::placeholder

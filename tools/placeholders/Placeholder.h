// A stand-in for a suite tool that is not part of this project: says what it is and ends.
#pragma once

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace rnx10::placeholder {

// A box only where someone can see and close it: never offscreen, where it would wait for ever.
inline bool haveDisplay()
{
    const auto set = [](const char *name) {
        const char *v = std::getenv(name);
        return v && *v;
    };
    const char *qpa = std::getenv("QT_QPA_PLATFORM");
    if (qpa && (std::string_view(qpa) == "offscreen" || std::string_view(qpa) == "minimal"))
        return false;
    return set("DISPLAY") || set("WAYLAND_DISPLAY");
}

inline int run(int argc, char **argv, const char *title, const char *text)
{
    std::printf("%s: %s\n", title, text);
    if (!haveDisplay())
        return 0;
    QApplication app(argc, argv);
    QMessageBox box(QMessageBox::Information, QString::fromUtf8(title), QString::fromUtf8(text), QMessageBox::Ok);
    box.exec();
    return 0;
}

} // namespace rnx10::placeholder

// rnx10 METHOD [ARGS]: calls one method of the support-centre class and serves its windows.
#include "automation/AutomationError.h"
#include "component/rnx10.h"
#include "platform/TerminalText.h"
#include "platform/Translation.h"

#include <QtGlobal>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

struct KeyHelp {
    const char *key;
    bool window; // the key needs a display: --help marks it "[window]"
    const char *what;
};

// The command table's keys in table order.
constexpr KeyHelp kKeys[] = {
    {"RNXRUN_QRS", false, QT_TRANSLATE_NOOP("rnx10", "start the QRS tool, ZVENVSYS32MASK/1.0/Sys/tvqs.exe (error 53 when missing)")},
    {"RNXRUN_DOWNLOADS", false, QT_TRANSLATE_NOOP("rnx10", "open the downloads page, ZVENVSTRDNWEB, with xdg-open")},
    {"RNXRUN_LIVECHAT", false, QT_TRANSLATE_NOOP("rnx10", "nothing")},
    {"RNXRUN_SYSINFO", false, QT_TRANSLATE_NOOP("rnx10", "nothing")},
    {"RNXRUN_WEBSUPPORT", false, QT_TRANSLATE_NOOP("rnx10", "nothing")},
    {"RNXRUN_SENDMAIL", false, QT_TRANSLATE_NOOP("rnx10", "nothing")},
    {"RNXRUN_SHOP", false, QT_TRANSLATE_NOOP("rnx10", "open the shop page, ZVENVSTRBUY, with xdg-open")},
    {"RNXRUN_MW", false, QT_TRANSLATE_NOOP("rnx10", "nothing")},
    {"RNXRUN_BR", true, QT_TRANSLATE_NOOP("rnx10", "the backup archive browser; the host serves it until it is closed")},
    {"RNXRUN_MIGSYS", false, QT_TRANSLATE_NOOP("rnx10", "nothing")},
    {"RNXRUN_BRINDLEX", false, QT_TRANSLATE_NOOP("rnx10", "open the BRINDLEX site, ZVENVSTRBRINDLEX, with xdg-open")},
    {"RNXRUN_UPDATES", true, QT_TRANSLATE_NOOP("rnx10", "the updates notice")},
    {"RNXRUN_LUMORA", false, QT_TRANSLATE_NOOP("rnx10", "nothing")},
    {"RNXRUN_VESKA", false, QT_TRANSLATE_NOOP("rnx10", "nothing")},
    {"RNXRUN_DEBUGGER", true,
     QT_TRANSLATE_NOOP("rnx10", "every environment key, its value and its source (on standard error without a display)")},
    {"RNXRUN_REGISTRY", true, QT_TRANSLATE_NOOP("rnx10", "the registry navigator")},
    {"RNXRUN_PELORIN", false, QT_TRANSLATE_NOOP("rnx10", "open the program folder, ZVENVSYS32MASK/1.0/Sys, with xdg-open")},
    {"RNXRUN_KEV", false, QT_TRANSLATE_NOOP("rnx10", "start the KEV tool, ZVENVSYS32MASK/1.0/Sys/kev.exe (nothing when missing)")},
    {"RNXRUN_MAINTAIN", true,
     QT_TRANSLATE_NOOP("rnx10", "the maintenance dialog: log and temporary-file cleanup, quick backup")},
    {"RNXRUN_LICENSES", true, QT_TRANSLATE_NOOP("rnx10", "the \"LICENSES\" message box")},
};

// The usage lines, one text: a translation may change the first word and the indentation with it.
std::string usageText()
{
    return rnx10::tx("rnx10", "usage: rnx10 RunSupportCenter\n"
                              "       rnx10 ExecuteSupportCenter KEY [A [B [C [D]]]]\n"
                              "       rnx10 RunBackupComputer\n"
                              "       rnx10 --help\n");
}

int usage()
{
    std::fputs(usageText().c_str(), stderr);
    return 2;
}

// One line of the help's list: the name in a column of its own, the text beside it; the text's
// further lines are indented to its column.
void printEntry(const char *name, int width, const std::string &text)
{
    std::string shown;
    for (const char c : text) {
        shown += c;
        if (c == '\n')
            shown.append(static_cast<std::size_t>(width) + 3, ' ');
    }
    std::printf("  %-*s %s\n", width, name, shown.c_str());
}

void printParagraph(const std::string &text)
{
    std::fputs(text.c_str(), stdout);
    std::fputc('\n', stdout);
}

int help()
{
    std::fputs(usageText().c_str(), stdout);
    std::fputc('\n', stdout);
    printParagraph(rnx10::tx("rnx10", "Calls one method of the Zorvane support-centre component (librnx10)."));
    printEntry("RunSupportCenter", 21,
               rnx10::tx("rnx10", "start the support-centre program, ZVENVSYS32MASK/1.0/sys/rnx.exe"));
    printEntry("RunBackupComputer", 21,
               rnx10::tx("rnx10", "record the time in ZVENVSLOGS/bar.ini and start regbak.exe and shellbak.exe"));
    printEntry("ExecuteSupportCenter", 21,
               rnx10::tx("rnx10", "run the command named by KEY (exact, case-sensitive); A to D are accepted\n"
                                  "and not used"));
    std::fputc('\n', stdout);
    printParagraph(rnx10::tx("rnx10", "Command keys:"));
    for (const KeyHelp &k : kKeys)
        printEntry(k.key, 18, (k.window ? "[window] " : "") + rnx10::tx("rnx10", k.what));
    std::fputc('\n', stdout);
    //: "[window]" is the mark the list above puts before these keys: keep it as it is.
    printParagraph(rnx10::tx("rnx10", "Keys marked [window] need a display (DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM); without one\n"
                                      "they fail with error 406. An unknown key does nothing and is no error."));
    printParagraph(rnx10::tx("rnx10", "Exit status: 0 on success; 1 on an error, printed as \"rnx10: error N: DESCRIPTION\"; 2 on wrong usage."));
    return 0;
}

bool knownKey(const char *key)
{
    for (const KeyHelp &k : kKeys)
        if (std::strcmp(k.key, key) == 0)
            return true;
    return false;
}

int call(int argc, char **argv, rnx10_instance *instance, rnx10_error *error)
{
    const char *method = argv[1];
    if (std::strcmp(method, "RunSupportCenter") == 0 && argc == 2)
        return rnx10_run_support_center(instance, error);
    if (std::strcmp(method, "RunBackupComputer") == 0 && argc == 2)
        return rnx10_run_backup_computer(instance, nullptr, error);
    if (std::strcmp(method, "ExecuteSupportCenter") == 0 && argc <= 7) {
        const char *arg[5] = {};
        for (int i = 2; i < argc; ++i)
            arg[i - 2] = argv[i];
        int32_t hwnd = 0;
        const int rc = rnx10_execute_support_center(instance, &hwnd, arg[0], arg[1], arg[2], arg[3], arg[4], error);
        // The component ignores a key it does not know; the person at the shell should hear of it.
        if (rc == RNX10_OK && !knownKey(arg[0] ? arg[0] : ""))
            std::fprintf(stderr, "rnx10: warning: %s\n",
                         rnx10::fillIn(rnx10::tx("rnx10", "\"%1\" is not a command key, nothing was done (see rnx10 --help)"),
                                       {rnx10::printableText(arg[0] ? arg[0] : "")})
                             .c_str());
        return rc;
    }
    return -1;
}

// The description may carry names and values with control characters; the terminal gets them escaped.
void printError(const rnx10_error &error)
{
    const rnx10::AutomationError raised(static_cast<int>(error.number), error.description);
    std::fprintf(stderr, "rnx10: error %d: %s\n", raised.number(),
                 rnx10::printableText(rnx10::shownDescription(raised)).c_str());
}

bool wantsHelp(int argc, char **argv)
{
    return argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0);
}

} // namespace

int main(int argc, char **argv)
{
    if (wantsHelp(argc, argv))
        return help();
    if (argc < 2)
        return usage();
    rnx10_error error{};
    rnx10_instance *instance = nullptr;
    if (rnx10_create(&instance, &error) != RNX10_OK) {
        printError(error);
        return 1;
    }
    int rc = call(argc, argv, instance, &error);
    if (rc < 0) {
        rnx10_release(instance);
        return usage();
    }
    if (rc != RNX10_OK) {
        printError(error);
        rnx10_release(instance);
        return 1;
    }
    // A modeless window (the browser) stays open: serve it until it is closed.
    rnx10_run_event_loop();
    rnx10_release(instance);
    return 0;
}

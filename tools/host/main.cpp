// rnx10 METHOD [ARGS]: calls one method of the support-centre class and serves its windows.
#include "component/rnx10.h"
#include "platform/TerminalText.h"

#include <cstdio>
#include <cstring>

namespace {

struct KeyHelp {
    const char *key;
    const char *what;
};

// The command table's keys in table order; "[window]" marks the keys that need a display.
constexpr KeyHelp kKeys[] = {
    {"RNXRUN_QRS", "start the QRS tool, ZVENVSYS32MASK/1.0/Sys/tvqs.exe (error 53 when missing)"},
    {"RNXRUN_DOWNLOADS", "open the downloads page, ZVENVSTRDNWEB, with xdg-open"},
    {"RNXRUN_LIVECHAT", "nothing"},
    {"RNXRUN_SYSINFO", "nothing"},
    {"RNXRUN_WEBSUPPORT", "nothing"},
    {"RNXRUN_SENDMAIL", "nothing"},
    {"RNXRUN_SHOP", "open the shop page, ZVENVSTRBUY, with xdg-open"},
    {"RNXRUN_MW", "nothing"},
    {"RNXRUN_BR", "[window] the backup archive browser; the host serves it until it is closed"},
    {"RNXRUN_MIGSYS", "nothing"},
    {"RNXRUN_BRINDLEX", "open the BRINDLEX site, ZVENVSTRBRINDLEX, with xdg-open"},
    {"RNXRUN_UPDATES", "[window] the updates notice"},
    {"RNXRUN_LUMORA", "nothing"},
    {"RNXRUN_VESKA", "nothing"},
    {"RNXRUN_DEBUGGER", "[window] every environment key, its value and its source (on standard error without a display)"},
    {"RNXRUN_REGISTRY", "[window] the registry navigator"},
    {"RNXRUN_PELORIN", "open the program folder, ZVENVSYS32MASK/1.0/Sys, with xdg-open"},
    {"RNXRUN_KEV", "start the KEV tool, ZVENVSYS32MASK/1.0/Sys/kev.exe (nothing when missing)"},
    {"RNXRUN_MAINTAIN", "[window] the maintenance dialog: log and temporary-file cleanup, quick backup"},
    {"RNXRUN_LICENSES", "[window] the \"LICENSES\" message box"},
};

constexpr const char *kUsage = "usage: rnx10 RunSupportCenter\n"
                               "       rnx10 ExecuteSupportCenter KEY [A [B [C [D]]]]\n"
                               "       rnx10 RunBackupComputer\n"
                               "       rnx10 --help\n";

int usage()
{
    std::fputs(kUsage, stderr);
    return 2;
}

int help()
{
    std::fputs(kUsage, stdout);
    std::fputs("\nCalls one method of the Zorvane support-centre component (librnx10).\n"
               "  RunSupportCenter      start the support-centre program, ZVENVSYS32MASK/1.0/sys/rnx.exe\n"
               "  RunBackupComputer     record the time in ZVENVSLOGS/bar.ini and start regbak.exe and shellbak.exe\n"
               "  ExecuteSupportCenter  run the command named by KEY (exact, case-sensitive); A to D are accepted\n"
               "                        and not used\n"
               "\nCommand keys:\n",
               stdout);
    for (const KeyHelp &k : kKeys)
        std::printf("  %-18s %s\n", k.key, k.what);
    std::fputs("\nKeys marked [window] need a display (DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM); without one\n"
               "they fail with error 406. An unknown key does nothing and is no error.\n"
               "Exit status: 0 on success; 1 on an error, printed as \"rnx10: error N: DESCRIPTION\"; 2 on wrong usage.\n",
               stdout);
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
            std::fprintf(stderr, "rnx10: warning: \"%s\" is not a command key, nothing was done (see rnx10 --help)\n",
                         rnx10::printableText(arg[0] ? arg[0] : "").c_str());
        return rc;
    }
    return -1;
}

// The description may carry names and values with control characters; the terminal gets them escaped.
void printError(const rnx10_error &error)
{
    std::fprintf(stderr, "rnx10: error %d: %s\n", static_cast<int>(error.number),
                 rnx10::printableText(error.description).c_str());
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

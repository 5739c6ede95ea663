/* A C caller with no display at all, as under cron or ssh: the windowless calls work, a call that
 * needs a window fails with 406, and nothing aborts the process. */
#define _XOPEN_SOURCE 700
#include "component/rnx10.h"

#include <ftw.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

static int failures = 0;

#define CHECK(cond)                                                                                \
    do {                                                                                           \
        if (!(cond)) {                                                                             \
            fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond);               \
            ++failures;                                                                            \
        }                                                                                          \
    } while (0)

static char root[] = "/tmp/rnx10-nodisplay-XXXXXX";
static char logPath[600];

static void path(char *out, size_t size, const char *relative) { snprintf(out, size, "%s/%s", root, relative); }

/* A shell script that appends its name (and its first argument) to the log. */
static void standIn(const char *relative, const char *name)
{
    char file[600];
    FILE *f;
    path(file, sizeof file, relative);
    f = fopen(file, "w");
    if (!f) {
        perror(file);
        exit(2);
    }
    fprintf(f, "#!/bin/sh\necho \"%s $1\" >> '%s'\n", name, logPath);
    fclose(f);
    chmod(file, 0755);
}

/* Waits for the detached stand-ins to have written their lines (no bound on time is asserted). */
static int logHolds(const char *const *lines, int count)
{
    int tries, i;
    for (tries = 0; tries < 2000; ++tries) {
        char text[4096] = "";
        FILE *f = fopen(logPath, "r");
        int all = 1;
        if (f) {
            size_t n = fread(text, 1, sizeof text - 1, f);
            text[n] = '\0';
            fclose(f);
        }
        for (i = 0; i < count; ++i)
            all = all && strstr(text, lines[i]) != NULL;
        if (all)
            return 1;
        {
            struct timespec pause = {0, 10 * 1000 * 1000};
            nanosleep(&pause, NULL);
        }
    }
    return 0;
}

static int removeEntry(const char *entry, const struct stat *st, int type, struct FTW *ftw)
{
    (void)st;
    (void)type;
    (void)ftw;
    return remove(entry);
}

static void scratchInstallation(void)
{
    static const char *const keys[][2] = {
        {"HOME", "home"},           {"XDG_CONFIG_HOME", "config"}, {"XDG_DATA_HOME", "data"},
        {"XDG_STATE_HOME", "state"}, {"XDG_CACHE_HOME", "cache"},   {"ZVENVSYS32MASK", "programs"},
        {"ZVENVSBAK", "store"},     {"ZVENVSFAM", "locker"},       {"ZVENVSLOGS", "logs"},
        {"ZVENVSTMP", "tmp"},
    };
    static const char *const folders[] = {"programs", "programs/1.0", "programs/1.0/Sys", "logs", "bin", "runtime"};
    char value[600];
    size_t i;
    if (!mkdtemp(root)) {
        perror("mkdtemp");
        exit(2);
    }
    for (i = 0; i < sizeof keys / sizeof keys[0]; ++i) {
        path(value, sizeof value, keys[i][1]);
        setenv(keys[i][0], value, 1);
    }
    for (i = 0; i < sizeof folders / sizeof folders[0]; ++i) {
        path(value, sizeof value, folders[i]);
        mkdir(value, 0700);
    }
    path(value, sizeof value, "runtime");
    setenv("XDG_RUNTIME_DIR", value, 1);
    path(logPath, sizeof logPath, "started.log");
    path(value, sizeof value, "programs/1.0/sys");
    symlink("Sys", value);
    standIn("programs/1.0/Sys/rnx.exe", "rnx.exe");
    standIn("programs/1.0/Sys/tvqs.exe", "tvqs.exe");
    standIn("programs/1.0/Sys/kev.exe", "kev.exe");
    standIn("programs/1.0/Sys/regbak.exe", "regbak.exe");
    standIn("programs/1.0/Sys/shellbak.exe", "shellbak.exe");
    standIn("bin/xdg-open", "xdg-open");
    snprintf(value, sizeof value, "%s/bin:/usr/bin:/bin", root);
    setenv("PATH", value, 1);
}

int main(void)
{
    static const char *const windowless[] = {"RNXRUN_QRS",     "RNXRUN_DOWNLOADS", "RNXRUN_LIVECHAT",
                                             "RNXRUN_SHOP",    "RNXRUN_BRINDLEX",  "RNXRUN_PELORIN",
                                             "RNXRUN_KEV",     "RNXRUN_DEBUGGER",  "RNXRUN_NOSUCHKEY"};
    static const char *const windowed[] = {"RNXRUN_BR", "RNXRUN_UPDATES", "RNXRUN_REGISTRY", "RNXRUN_MAINTAIN",
                                           "RNXRUN_LICENSES"};
    static const char *const started[] = {"tvqs.exe", "xdg-open https://zorvane.example/downloads",
                                          "xdg-open https://zorvane.example/shop", "kev.exe", "rnx.exe",
                                          "regbak.exe", "shellbak.exe"};
    rnx10_instance *instance = NULL;
    rnx10_error error;
    int32_t hwnd = 0;
    char file[600];
    struct stat st;
    size_t i;

    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("QT_QPA_PLATFORM");
    scratchInstallation();

    CHECK(rnx10_create(&instance, &error) == RNX10_OK);
    for (i = 0; i < sizeof windowless / sizeof windowless[0]; ++i) {
        int rc = rnx10_execute_support_center(instance, &hwnd, windowless[i], NULL, NULL, NULL, NULL, &error);
        if (rc != RNX10_OK)
            fprintf(stderr, "%s: error %d: %s\n", windowless[i], (int)error.number, error.description);
        CHECK(rc == RNX10_OK);
    }
    CHECK(rnx10_run_support_center(instance, &error) == RNX10_OK);
    CHECK(rnx10_run_backup_computer(instance, NULL, &error) == RNX10_OK);
    path(file, sizeof file, "logs/bar.ini");
    CHECK(stat(file, &st) == 0 && st.st_size > 0);
    CHECK(logHolds(started, (int)(sizeof started / sizeof started[0])));

    for (i = 0; i < sizeof windowed / sizeof windowed[0]; ++i) {
        memset(&error, 0, sizeof error);
        CHECK(rnx10_execute_support_center(instance, &hwnd, windowed[i], NULL, NULL, NULL, NULL, &error) == RNX10_FAILED);
        CHECK(error.number == 406);
        CHECK(strstr(error.description, "No display is available") != NULL);
    }
    /* Nothing was shown, so there is nothing to serve. */
    CHECK(rnx10_run_event_loop() == RNX10_OK);
    /* The instance still works after the refusals. */
    CHECK(rnx10_execute_support_center(instance, &hwnd, "RNXRUN_VESKA", NULL, NULL, NULL, NULL, &error) == RNX10_OK);
    rnx10_release(instance);

    if (failures) {
        fprintf(stderr, "%d check(s) failed; scratch installation left in %s\n", failures, root);
        return 1;
    }
    nftw(root, removeEntry, 16, FTW_DEPTH | FTW_PHYS);
    return 0;
}

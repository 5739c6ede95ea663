/* Drives the component through its C interface: every key and error travels as plain C data. */
#define _POSIX_C_SOURCE 200809L
#include "component/rnx10.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

static int failures = 0;

#define CHECK(cond)                                                                                \
    do {                                                                                           \
        if (!(cond)) {                                                                             \
            fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond);               \
            ++failures;                                                                            \
        }                                                                                          \
    } while (0)

/* A scratch installation: every key points into a fresh folder, no program is installed. */
static void scratchInstallation(char *root)
{
    static const char *const keys[][2] = {
        {"HOME", "home"},         {"XDG_CONFIG_HOME", "config"}, {"XDG_DATA_HOME", "data"},
        {"XDG_STATE_HOME", "state"}, {"XDG_CACHE_HOME", "cache"}, {"ZVENVSYS32MASK", "programs"},
        {"ZVENVSBAK", "store"},   {"ZVENVSFAM", "locker"},       {"ZVENVSLOGS", "missing-logs"},
        {"ZVENVSTMP", "tmp"},
    };
    char path[512];
    size_t i;
    if (!mkdtemp(root)) {
        perror("mkdtemp");
        exit(2);
    }
    for (i = 0; i < sizeof keys / sizeof keys[0]; ++i) {
        snprintf(path, sizeof path, "%s/%s", root, keys[i][1]);
        setenv(keys[i][0], path, 1);
    }
    snprintf(path, sizeof path, "%s/runtime", root);
    mkdir(path, 0700);
    setenv("XDG_RUNTIME_DIR", path, 1);
}

int main(void)
{
    char root[] = "/tmp/rnx10-cabi-XXXXXX";
    rnx10_instance *instance = NULL;
    rnx10_error error;
    int32_t hwnd = 12345;
    char path[600];

    scratchInstallation(root);
    memset(&error, 0x55, sizeof error);
    CHECK(rnx10_create(&instance, &error) == RNX10_OK);
    CHECK(instance != NULL);
    CHECK(error.number == 0 && error.description[0] == '\0');

    CHECK(rnx10_execute_support_center(instance, &hwnd, "RNXRUN_LIVECHAT", "a", "b", "c", "d", &error) == RNX10_OK);
    CHECK(rnx10_execute_support_center(instance, NULL, NULL, NULL, NULL, NULL, NULL, &error) == RNX10_OK);
    CHECK(rnx10_execute_support_center(instance, &hwnd, "rnxrun_qrs", NULL, NULL, NULL, NULL, NULL) == RNX10_OK);
    CHECK(hwnd == 12345);

    CHECK(rnx10_execute_support_center(instance, &hwnd, "RNXRUN_QRS", NULL, NULL, NULL, NULL, &error) == RNX10_FAILED);
    CHECK(error.number == 53);
    CHECK(strncmp(error.description, "File not found: ", 16) == 0); /* names the program */
    CHECK(strstr(error.description, "/1.0/Sys/tvqs.exe") != NULL);

    CHECK(rnx10_run_support_center(instance, &error) == RNX10_FAILED);
    CHECK(error.number == 53);

    /* The log folder is missing: 76 reaches the caller, and the folder is not made. */
    CHECK(rnx10_run_backup_computer(instance, NULL, &error) == RNX10_FAILED);
    CHECK(error.number == 76);
    CHECK(strncmp(error.description, "Path not found", 14) == 0);
    CHECK(access(getenv("ZVENVSLOGS"), F_OK) != 0);

    /* A failed call leaves the instance usable. */
    CHECK(rnx10_execute_support_center(instance, &hwnd, "RNXRUN_VESKA", NULL, NULL, NULL, NULL, &error) == RNX10_OK);
    CHECK(error.number == 0);

    CHECK(rnx10_run_support_center(NULL, &error) == RNX10_FAILED);
    CHECK(error.number == 91);
    CHECK(rnx10_create(NULL, &error) == RNX10_FAILED);
    CHECK(error.number == 5);

    rnx10_release(instance);
    rnx10_release(NULL);
    CHECK(rnx10_run_event_loop() == RNX10_OK);

    /* Only the runtime folder was made; anything else the run left stays for a look. */
    snprintf(path, sizeof path, "%s/runtime", root);
    rmdir(path);
    rmdir(root);
    if (failures)
        fprintf(stderr, "%d check(s) failed\n", failures);
    return failures ? 1 : 0;
}

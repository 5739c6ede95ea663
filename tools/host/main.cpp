// rnx10 METHOD [ARGS]: calls one method of the support-centre class and serves its windows.
#include "component/rnx10.h"

#include <cstdio>
#include <cstring>

namespace {
int usage()
{
    std::fprintf(stderr, "usage: rnx10 RunSupportCenter\n"
                         "       rnx10 ExecuteSupportCenter KEY [A [B [C [D]]]]\n"
                         "       rnx10 RunBackupComputer\n");
    return 2;
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
        return rnx10_execute_support_center(instance, &hwnd, arg[0], arg[1], arg[2], arg[3], arg[4], error);
    }
    return -1;
}
} // namespace

int main(int argc, char **argv)
{
    if (argc < 2)
        return usage();
    rnx10_error error{};
    rnx10_instance *instance = nullptr;
    if (rnx10_create(&instance, &error) != RNX10_OK) {
        std::fprintf(stderr, "rnx10: error %d: %s\n", static_cast<int>(error.number), error.description);
        return 1;
    }
    int rc = call(argc, argv, instance, &error);
    if (rc < 0) {
        rnx10_release(instance);
        return usage();
    }
    if (rc != RNX10_OK) {
        std::fprintf(stderr, "rnx10: error %d: %s\n", static_cast<int>(error.number), error.description);
        rnx10_release(instance);
        return 1;
    }
    // A modeless window (the browser) stays open: serve it until it is closed.
    rnx10_run_event_loop();
    rnx10_release(instance);
    return 0;
}

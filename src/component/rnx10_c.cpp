#include "component/rnx10.h"

#include "automation/AutomationError.h"
#include "component/clsRNX10A.h"
#include "platform/Application.h"

#include <cstring>
#include <exception>
#include <new>

struct rnx10_instance {
    rnx10::clsRNX10A object;
};

namespace {
void fill(rnx10_error *error, int number, const char *text)
{
    if (!error)
        return;
    error->number = number;
    std::strncpy(error->description, text, sizeof error->description - 1);
    error->description[sizeof error->description - 1] = '\0';
}

template <typename Call> int guarded(rnx10_error *error, Call &&call)
{
    try {
        call();
        fill(error, 0, "");
        return RNX10_OK;
    } catch (const rnx10::AutomationError &e) {
        fill(error, e.number(), e.description().c_str());
    } catch (const std::bad_alloc &) {
        fill(error, 7, "Out of memory");
    } catch (const std::exception &e) {
        fill(error, 51, e.what());
    } catch (...) {
        fill(error, 51, "Internal error");
    }
    return RNX10_FAILED;
}

std::string text(const char *value) { return value ? value : ""; }
rnx10::Variant variant(const char *value) { return value ? rnx10::Variant(value) : rnx10::Variant::missing(); }
} // namespace

extern "C" {

int rnx10_create(rnx10_instance **instance, rnx10_error *error)
{
    if (!instance) {
        fill(error, 5, "Invalid procedure call or argument");
        return RNX10_FAILED;
    }
    *instance = nullptr;
    // No Qt application yet: it is made when a window is about to be shown, so callers without
    // a display can use every windowless call.
    return guarded(error, [&] { *instance = new rnx10_instance{}; });
}

void rnx10_release(rnx10_instance *instance) { delete instance; }

int rnx10_run_support_center(rnx10_instance *instance, rnx10_error *error)
{
    if (!instance) {
        fill(error, 91, "Object variable or With block variable not set");
        return RNX10_FAILED;
    }
    return guarded(error, [&] { instance->object.RunSupportCenter(); });
}

int rnx10_execute_support_center(rnx10_instance *instance, int32_t *lhWnd, const char *key, const char *a,
                                 const char *b, const char *c, const char *d, rnx10_error *error)
{
    if (!instance) {
        fill(error, 91, "Object variable or With block variable not set");
        return RNX10_FAILED;
    }
    return guarded(error, [&] {
        int32_t local = lhWnd ? *lhWnd : 0;
        instance->object.ExecuteSupportCenter(local, text(key), text(a), text(b), variant(c), variant(d));
        if (lhWnd)
            *lhWnd = local;
    });
}

int rnx10_run_backup_computer(rnx10_instance *instance, const int32_t *lhWnd, rnx10_error *error)
{
    if (!instance) {
        fill(error, 91, "Object variable or With block variable not set");
        return RNX10_FAILED;
    }
    return guarded(error, [&] { instance->object.RunBackupComputer(lhWnd ? *lhWnd : 0); });
}

int rnx10_run_event_loop(void)
{
    int rc = RNX10_OK;
    rnx10_error ignored;
    guarded(&ignored, [&] { rc = rnx10::runUntilWindowsClosed(); });
    return rc;
}

} // extern "C"

/* The component's C interface, for programs not written in C++.
 * Every call returns RNX10_OK or RNX10_FAILED; on failure the error's number and description are
 * handed back in *error (when error is not NULL). No exception ever crosses this boundary.
 *
 * Threads: windows and message boxes show only on the thread that owns the Qt application (the
 * first thread that made one; the component makes it on the first window when the caller has
 * none). On any other thread a call that needs a window or box fails with 406 "No display is
 * available" at once; rnx10_run_backup_computer there works, without its progress messages. */
#ifndef RNX10_C_H
#define RNX10_C_H

#include <stdint.h>

/* Installed, the headers lie side by side; in the source tree each in its folder. */
#if defined(__has_include) && __has_include("Export.h")
#include "Export.h"
#else
#include "automation/Export.h"
#endif

#ifdef __cplusplus
extern "C" {
#endif

#define RNX10_OK 0
#define RNX10_FAILED 1

typedef struct rnx10_instance rnx10_instance;

typedef struct rnx10_error {
    int32_t number;
    char description[1024];
} rnx10_error;

/* Creates an instance of the support-centre class (and the thread's service set). */
RNX10_EXPORT int rnx10_create(rnx10_instance **instance, rnx10_error *error);
/* Releases an instance; NULL is allowed. */
RNX10_EXPORT void rnx10_release(rnx10_instance *instance);

RNX10_EXPORT int rnx10_run_support_center(rnx10_instance *instance, rnx10_error *error);
/* key and the parameters may be NULL (omitted). */
RNX10_EXPORT int rnx10_execute_support_center(rnx10_instance *instance, int32_t *lhWnd, const char *key, const char *parametersA,
                                 const char *parametersB, const char *parametersC, const char *parametersD,
                                 rnx10_error *error);
/* lhWnd may be NULL (omitted). */
RNX10_EXPORT int rnx10_run_backup_computer(rnx10_instance *instance, const int32_t *lhWnd, rnx10_error *error);

/* Serves the component's windows (such as the modeless browser) until the last one is closed;
 * returns at once when none is open. */
RNX10_EXPORT int rnx10_run_event_loop(void);

#ifdef __cplusplus
}
#endif

#endif

// The component's one public class. Every method returns the empty Variant; a failure raises
// AutomationError carrying the error's number and description.
// Threads: windows and message boxes show only on the thread that owns the Qt application (the
// first thread that made one). Elsewhere a call that needs a window or box raises 406 "No display
// is available" at once; RunBackupComputer works there, without its progress messages.
#pragma once

// Installed, the public headers lie side by side in include/rnx10/; in the source tree the variant
// has a folder of its own.
#if __has_include("Variant.h")
#include "Variant.h"
#else
#include "automation/Variant.h"
#endif

#include <cstdint>
#include <string>

namespace rnx10 {

class RNX10_EXPORT clsRNX10A {
public:
    // Creates the thread's service set; raises the error of the first service that cannot be made.
    clsRNX10A();
    // The thread's service set is released when its last instance ends.
    ~clsRNX10A();
    clsRNX10A(const clsRNX10A &) = delete;
    clsRNX10A &operator=(const clsRNX10A &) = delete;

    // Starts the support-centre program (program root + "/1.0/sys/rnx.exe"); 53 when it cannot start.
    Variant RunSupportCenter();

    // Runs the command named by the key (exact, case-sensitive); an unknown or empty key does nothing.
    // Modal commands return when their window closes; "RNXRUN_BR" as soon as the browser shows.
    Variant ExecuteSupportCenter(std::int32_t &lhWnd, const std::string &RNXExecuteKey = {},
                                 const std::string &RNXExecuteParametersA = {},
                                 const std::string &RNXExecuteParametersB = {},
                                 const Variant &RNXExecuteParametersC = Variant::missing(),
                                 const Variant &RNXExecuteParametersD = Variant::missing());

    // Records the time in bar.ini and starts the two backup tools without waiting.
    Variant RunBackupComputer(std::int32_t lhWnd = 0);
};

} // namespace rnx10

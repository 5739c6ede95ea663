#pragma once

namespace rnx10 {

// "RNXRUN_MAINTAIN": the thread's maintenance dialog, loaded afresh, modal.
void showMaintenanceDialog();

} // namespace rnx10

#include "maintenance/MaintenanceCommand.h"

namespace rnx10 {
// Placeholder until the maintenance dialog is built.
void showMaintenanceDialog() {}
} // namespace rnx10

#include "commands/CommandWindows.h"

// Placeholders until the windows are built.
namespace rnx10 {
void showUpdatesNotice() {}
void showRegistryNavigator() {}
} // namespace rnx10

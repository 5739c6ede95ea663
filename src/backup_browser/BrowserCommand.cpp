#include "backup_browser/BrowserCommand.h"

namespace rnx10 {
// Placeholder until the browser window is built.
void showBackupBrowser() {}
} // namespace rnx10

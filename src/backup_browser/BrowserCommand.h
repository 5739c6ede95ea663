#pragma once

namespace rnx10 {

// "RNXRUN_BR": shows the thread's backup archive browser modeless (loading it when it is not
// open, only bringing it forward when it is) and returns at once.
void showBackupBrowser();

} // namespace rnx10

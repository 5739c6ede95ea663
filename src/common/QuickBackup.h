#pragma once

#include <cstdint>

namespace rnx10 {

// Records "LastTaken" in the log folder's bar.ini, then starts the registry-backup and the
// shell-backup tools one after the other, without waiting. An error part-way reaches the caller,
// but neither the busy pointer nor a message window is left behind.
void runBackupComputer(std::int32_t lhWnd);

// Asks whether to start the quick backup now (the question the browser and the maintenance
// dialog ask before they close); true for Yes.
bool askToStartQuickBackup();

// The quick backup as a window starts it: the thread's services are made afresh for it, as a new
// instance of the public class would, and the caller's instance keeps them afterwards.
void runQuickBackupFromWindow(std::int32_t lhWnd);

} // namespace rnx10

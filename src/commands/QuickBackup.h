#pragma once

#include <cstdint>

namespace rnx10 {

// Records "LastTaken" in the log folder's bar.ini, then starts the registry-backup and the
// shell-backup tools one after the other, without waiting. An error part-way reaches the caller,
// but neither the busy pointer nor a message window is left behind.
void runBackupComputer(std::int32_t lhWnd);

} // namespace rnx10

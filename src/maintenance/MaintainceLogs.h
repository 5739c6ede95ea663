// The operations behind the maintenance dialog: emptying the log and temporary folders and
// opening the log folder. Every location is looked up afresh at each call.
#pragma once

namespace rnx10 {

// Deletes the log folder ("ZVENVSLOGS") with its contents and creates it again, empty.
// Never raises: a step that fails is skipped.
void ClearLogFiles();

// Resets the suite temporary folder ("ZVENVSTMP") like the log folder, then empties the user
// temporary folder (process "TEMP") and the "Temporary Internet Files" folder beside it, and
// deletes the sub-folders of the "History" folder beside it (its own files stay).
// Never raises; whatever cannot be deleted is left. "/", the home folder, their ancestors and
// links are never emptied.
void ClearTempFiles();

// Hands the log folder to the desktop's opener. Raises when the runtime service fails.
void OpenLogFolder();

} // namespace rnx10

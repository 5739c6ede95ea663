// The modal windows of the command table that live in this folder.
#pragma once

namespace rnx10 {

class frmRegistryA;

// "RNXRUN_UPDATES": a new updates notice window, modal, released when closed.
void showUpdatesNotice();

// "RNXRUN_REGISTRY": the thread's registry navigator, loaded afresh, modal.
void showRegistryNavigator();

// The thread's one registry navigator object, created on first use and kept for later showings.
frmRegistryA &registryNavigatorForm();

} // namespace rnx10

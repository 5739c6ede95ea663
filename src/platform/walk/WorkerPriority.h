// Worker threads of long jobs step back behind the window's thread, so the window keeps painting
// while they run on a busy machine. Linux lets a thread lower its own priority without privilege.
#pragma once

namespace rnx10::walk {

// How much nicer than the process's main thread a worker runs.
constexpr int kWorkerNiceStep = 10;

// Lowers the calling thread's scheduling priority to kWorkerNiceStep below the main thread's (at
// most the lowest, 19). A thread already that low is left as it is, so a worker's own workers do
// not sink further; a failure is ignored (the job simply runs at the priority it has).
void lowerWorkerPriority();

// The calling thread's nice value (higher is lower priority).
int threadNice();

} // namespace rnx10::walk

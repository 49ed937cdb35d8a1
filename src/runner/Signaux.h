#pragma once
// The stop requests of a terminal run: SIGINT, SIGTERM and SIGHUP. They are installed without
// SA_RESTART and also make a pipe readable, so that a run waiting on stdin, stdout or the
// printer wakes up at once instead of waiting for data that may never come.

namespace korvane {

namespace signaux {

// Installs the handlers; false when the process cannot get its wake-up pipe.
[[nodiscard]] bool Installe();
// At least one stop signal arrived.
bool ArretDemande();
// Readable from the first stop signal on (poll it beside the descriptor waited on).
int DescripteurReveil();
// The stop is being honoured: only a later signal wakes a wait again.
void Acquitte();
// After a grace period, the ticks act as a further stop signal: a stopped run whose last
// writes cannot go out (a reader that never reads) still ends.
void LimiteAttenteFinale();

}  // namespace signaux

}  // namespace korvane

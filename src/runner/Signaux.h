#pragma once
// The stop requests of a terminal run: SIGINT, SIGTERM and SIGHUP. They are installed without
// SA_RESTART and also make a pipe readable, so that a run waiting on stdin, stdout or the
// printer wakes up at once instead of waiting for data that may never come.

#include <ostream>

namespace korvane {

namespace signaux {

// Installs the handlers; false when the process cannot get its wake-up pipe. A handler the
// system refuses is told on `avertissements`, and the run goes on without it.
[[nodiscard]] bool Installe(std::ostream& avertissements);
// Installs the handler of `signal`; false, told on `avertissements`, when the system refuses.
bool Intercepte(int signal, std::ostream& avertissements);
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

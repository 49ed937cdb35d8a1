#include "runner/Signaux.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <initializer_list>
#include <string>

namespace korvane::signaux {

namespace {
constexpr unsigned kDelaiDeGrace = 2;  // seconds

// A signal handler can only reach the rest of the program through static storage.
volatile std::sig_atomic_t arret = 0;
int tube[2] = {-1, -1};

extern "C" void SurSignal(int) {
  const int erreur = errno;
  arret = 1;
  const char octet = 0;
  // The pipe is non-blocking: once full it is readable anyway, and the byte may be dropped.
  static_cast<void>(::write(tube[1], &octet, 1));
  // From the first stop on, a tick every second also interrupts a read or write that began
  // to wait just after this signal, too late to see the pipe.
  ::alarm(1);
  errno = erreur;
}
}  // namespace

bool Installe(std::ostream& avertissements) {
  if (::pipe2(tube, O_CLOEXEC | O_NONBLOCK) != 0) return false;
  for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGALRM}) static_cast<void>(Intercepte(signal, avertissements));
  return true;
}

bool Intercepte(int signal, std::ostream& avertissements) {
  struct sigaction action {};
  action.sa_handler = SurSignal;
  sigemptyset(&action.sa_mask);
  if (::sigaction(signal, &action, nullptr) == 0) return true;
  const char* const nom = ::sigabbrev_np(signal);
  avertissements << "korvane-run : le signal " << (nom != nullptr ? std::string("SIG") + nom : std::to_string(signal))
                 << " ne pourra pas arrêter proprement le programme\n";
  return false;
}

bool ArretDemande() { return arret != 0; }
int DescripteurReveil() { return tube[0]; }

void Acquitte() {
  char vidange[64];
  while (::read(tube[0], vidange, sizeof vidange) > 0) {
  }
}

void LimiteAttenteFinale() { ::alarm(kDelaiDeGrace); }

}  // namespace korvane::signaux

// korvane-run [--param TEXT] [--decimal-separator C] [--printer FILE] FILE.bas, or --help, --version
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <iostream>
#include <new>
#include <utility>

#include "base/Source.h"
#include "runner/Runner.h"
#include "runner/Signaux.h"
#include "runner/Terminal.h"

namespace {

// A closed stdin, stdout or stderr is taken by /dev/null opened read-only: a file the program
// opens must not land on it, and what is written to it must fail rather than vanish.
void OccupeDescripteursFermes() {
  for (int descripteur = 0; descripteur <= 2; ++descripteur) {
    // open gives the lowest free descriptor: the closed one.
    if (::fcntl(descripteur, F_GETFD) == -1 && errno == EBADF) static_cast<void>(::open("/dev/null", O_RDONLY));
  }
}

// Prints the help or the version; a refused write (a full disk) is a failure, as for a run.
int Renseigne(korvane::Demande demande) {
  if (demande == korvane::Demande::Aide) {
    std::cout << korvane::kUsage << "\n\n" << korvane::kAide;
  } else {
    std::cout << "korvane-run " KORVANE_VERSION "\n";
  }
  std::cout.flush();
  return std::cout ? korvane::kSortieFin : korvane::kSortieEchec;
}

int Lance(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  std::string raison;
  const auto options = korvane::LitOptions(arguments, raison);
  if (!options) {
    std::cerr << "korvane-run : " << korvane::SansControles(raison) << '\n' << korvane::kUsage << '\n';
    return korvane::kSortieUsage;
  }
  if (options->Demandee != korvane::Demande::Execution) return Renseigne(options->Demandee);
  if (!korvane::signaux::Installe(std::cerr)) {
    std::cerr << "korvane-run : trop de fichiers ouverts\n";
    return korvane::kSortieEchec;
  }
  auto source = korvane::LitSource(options->Fichier, raison);
  if (!source) {
    std::cerr << korvane::SansControles(options->Fichier) << " : " << raison << '\n';
    return korvane::kSortieFichier;
  }
  return korvane::LanceProgramme(*options, korvane::LignesCp1252(std::move(*source)));
}

}  // namespace

int main(int argc, char** argv) {
  OccupeDescripteursFermes();
  try {
    return Lance(argc, argv);
  } catch (const std::bad_alloc&) {
    std::cerr << "Mémoire insuffisante\n";
    return korvane::kSortieEchec;
  }
}

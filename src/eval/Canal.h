#pragma once
// A text-file channel of OPEN / PRINT# / LINE INPUT#.

#include <fstream>
#include <string>

namespace korvane {

struct Canal {
  enum class Etat { Ferme, Lecture, Ecriture };
  std::string NomFichier;
  Etat Mode = Etat::Ferme;
  std::fstream Flux;
};

}  // namespace korvane

#pragma once
// Inside the interpreter: all of its state, in value parts with their own rules, and the
// one routine that reports an error. Statements are free functions over a Machine; hosts
// never see it (they include Interpreteur.h).

#include <chrono>
#include <cstdint>
#include <string>

#include "base/Aleatoire.h"
#include "base/Message.h"
#include "machine/Canaux.h"
#include "machine/Etat.h"
#include "machine/Memoire.h"
#include "machine/Peripheriques.h"
#include "machine/PileRetour.h"
#include "machine/TableSymboles.h"
#include "machine/EtatEcran.h"

namespace korvane {

struct Machine {
  explicit Machine(Peripheriques peripheriques) : Monde(peripheriques) {}

  // Sets Etat to 1 and shows the message: the report of every interpreter error. Only
  // this routine sets the failure state; only the run loop acts on it.
  void Erreur(const Message& message);
  // The same stop without a message (an arithmetic failure stops the run without a word).
  void Erreur() { Etat = kArret; }

  Peripheriques Monde;
  int32_t Etat = kContinue;
  char SeparateurDecimal = '.';
  std::string TexteParametres;  // COMMAND$
  std::string NomProgramme;

  TableSymboles Symboles;
  Memoire Valeurs;
  PileRetour Pile;
  Canaux Fichiers;
  EtatEcran Ecran;
  Aleatoire Hasard;

  // Running time between two questions to the host whether the user wants to stop.
  std::chrono::milliseconds IntervalleVeille{20};
};

// Reports and gives false, for routines that tell their caller whether they succeeded.
[[nodiscard]] inline bool Echoue(Machine& m, const Message& message) {
  m.Erreur(message);
  return false;
}

}  // namespace korvane

#pragma once
// Compiled lines: a statement whose operands all resolve against the symbol table is turned,
// once per run, into a form that does exactly what its text would do without re-reading the
// text. The symbol table cannot change during a run, and the run loop recompiles a line
// whose text changed.

#include <cstdint>
#include <string>

#include "base/Calcul.h"
#include "base/Comparaison.h"
#include "eval/Resolution.h"

namespace korvane {

class CacheLignes;
struct LigneAnalysee;
struct Machine;

struct FormeRapide {
  using Fonction = void (*)(Machine&, CacheLignes&, const FormeRapide&, int& Ligne);
  Fonction Executer = nullptr;  // none: the line runs through its text
  int32_t Cible = 0;            // target cell, or jump line
  OperateurArith Operateur = OperateurArith::Aucun;
  Comparaison Test = Comparaison::Egal;
  Resolu Gauche, Droite;
  std::string Apres;            // what follows THEN
};

// Fills `forme` when the line has a compiled form; leaves it empty otherwise.
void CompileFormeRapide(const Machine& m, const LigneAnalysee& analyse, FormeRapide& forme);

}  // namespace korvane

#pragma once
// Compiled lines: a statement whose operands all resolve against the symbol table is turned,
// once per run, into a form that does exactly what its text would do without re-reading the
// text. The symbol table cannot change during a run, and the run loop recompiles a line
// whose text changed.

#include <cstdint>
#include <string>

#include "eval/Calcul.h"
#include "eval/Comparaison.h"

namespace korvane {

class Interpreteur;
class Programme;
struct LigneAnalysee;

// One operand: a cell of a store, or a constant (its value text, and its number for terms).
struct OperandeRapide {
  enum class Sorte : uint8_t { Constante, Entier, Reel, Chaine };
  Sorte Genre = Sorte::Constante;
  int32_t Cellule = 0;
  int32_t Entier = 0;
  double Reel = 0;
  std::string Texte;
};

struct FormeRapide {
  using Fonction = void (*)(Interpreteur&, const Programme&, const FormeRapide&, int& Ligne);
  Fonction Executer = nullptr;  // none: the line runs through its text
  int32_t Cible = 0;            // target cell, or jump line
  OperandeRapide Gauche, Droite;
  OperateurArith Operateur = OperateurArith::Aucun;
  Comparaison Test = Comparaison::Egal;
  std::string Apres;            // what follows THEN
};

// Fills `forme` when the line has a compiled form; leaves it empty otherwise.
void CompileFormeRapide(const Interpreteur& it, const LigneAnalysee& analyse, FormeRapide& forme);

}  // namespace korvane

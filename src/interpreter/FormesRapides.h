#pragma once
// Compiled lines: a statement whose operands all resolve against the symbol table is turned,
// once per run, into a form that does exactly what its text would do without re-reading the
// text. The symbol table cannot change during a run, and the run loop recompiles a line
// whose text changed. A compiled line that meets a case it does not handle the way its text
// would (an element that does not exist, a full stack, a value out of range) runs its text.

#include <cstdint>
#include <memory>

#include "base/Calcul.h"
#include "base/Comparaison.h"
#include "eval/Resolution.h"

namespace korvane {

class CacheLignes;
struct LigneAnalysee;
struct Machine;

// What a compiled call computes: a slice with resolved arguments, or any built-in function.
enum class SorteAppel : uint8_t { Fonction, Mid, Left, Right, Len };

struct FormeRapide {
  using Fonction = void (*)(Machine&, CacheLignes&, const FormeRapide&, int& Ligne);
  Fonction Executer = nullptr;  // none: the line runs through its text
  int32_t Cible = 0;            // target cell (an array's first one), or jump line
  int32_t CibleIndice = 0;      // a target element's subscript, as in Resolu::Indice
  int32_t CibleDecalage = 0;    // and its fixed offset
  int32_t Sinon = -1;           // a one-line IF: the line it jumps to when false, -1 none
  mutable int32_t Partenaire = -1;  // the partner line, once found in a text that stays
  OperateurArith Operateur = OperateurArith::Aucun;
  Comparaison Test = Comparaison::Egal;
  bool CibleElement = false;
  bool Bloc = false;               // a block IF
  bool ComparaisonEntiere = false;  // both operands are INTEGER values or plain integer literals
  bool Canal = false;               // PRINT# rather than PRINT
  bool FinLigne = true;             // PRINT without its ';'
  uint8_t FonctionAppelee = 0;      // a function's place in the table of its result type
  SorteAppel Appel = SorteAppel::Fonction;
  bool SousAGauche = false;         // an operation's call is its left operand
  Resolu Gauche, Droite;            // a function's argument text is Gauche's
  std::unique_ptr<Resolu> Troisieme;  // MID$'s count
  std::unique_ptr<FormeRapide> Sous;  // an operation's call; the other operand is Gauche
};

// Fills `forme` when the line has a compiled form; leaves it empty otherwise.
void CompileFormeRapide(const Machine& m, const LigneAnalysee& analyse, FormeRapide& forme);

}  // namespace korvane

#pragma once
// Per-line cache of the run loop: what the dispatcher makes of a line's text, kept with the
// exact text it came from and reused only while the editor still holds that text.

#include <cstdint>
#include <deque>
#include <string>

#include "interpreter/Peripheriques.h"

namespace korvane {

class Interpreteur;

// The dispatcher's reading of one line (tabs replaced, trimmed, first word split off).
struct LigneAnalysee {
  enum class Sorte : uint8_t { Rien, Fin, FinSub, Instruction, Affectation };
  Sorte Genre = Sorte::Rien;
  int Entree = -1;       // the statement's row in the dispatch table
  std::string T;         // the trimmed line as written
  std::string U;         // the same, upper-cased
  std::string Argument;  // what follows the first word, at most 255 characters, trimmed
};

LigneAnalysee AnalyseLigne(std::string ligne);

// A statement compiled for a line whose operands were all resolved against the symbol table:
// it does exactly what the text path would do, without re-reading any text.
struct FormeRapide {
  using Fonction = void (*)(Interpreteur&, const FormeRapide&, int& Ligne);
  Fonction Executer = nullptr;
  int32_t A = 0, B = 0, C = 0, D = 0;  // cells, constants, partner lines: the form's own choice
  uint8_t Operateur = 0;
  std::string Texte;
};

class CacheLignes {
 public:
  struct Entree {
    bool Valide = false;
    bool RapideEssaye = false;
    std::string Source;
    LigneAnalysee Analyse;
    FormeRapide Rapide;
  };

  // Line `index` of the program, analysed; re-analysed when its text changed. The reference
  // stays valid while other lines are read.
  Entree& Lit(const Programme& programme, int index);
  void Vide();

 private:
  std::deque<Entree> entrees_;
  std::string tampon_;
};

}  // namespace korvane

#pragma once
// Per-line cache of the run loop: what the dispatcher makes of a line's text, kept with the
// exact text it came from and reused only while the editor still holds that text.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "interpreter/FormesRapides.h"
#include "interpreter/Peripheriques.h"

namespace korvane {

// The dispatcher's reading of one line (tabs replaced, trimmed, first word split off).
struct LigneAnalysee {
  enum class Sorte : uint8_t { Rien, Fin, FinSub, Instruction, Affectation };
  Sorte Genre = Sorte::Rien;
  int Entree = -1;       // the statement's row in the dispatch table
  std::string_view Mot;  // its keyword
  std::string T;         // the trimmed line as written
  std::string U;         // the same, upper-cased
  std::string Argument;  // what follows the first word, at most 255 characters, trimmed
};

LigneAnalysee AnalyseLigne(std::string ligne);

class CacheLignes {
 public:
  struct Entree {
    bool Valide = false;
    bool RapideEssaye = false;
    std::optional<uint64_t> Revision;  // of the program when the text was last compared
    std::string Source;
    LigneAnalysee Analyse;
    FormeRapide Rapide;
  };

  // At the start of a run: the program's revision is read once, since the text cannot change
  // while a run executes.
  void Ouvre(const Programme& programme);
  // Line `index` of the program, analysed; re-analysed when its text changed. The reference
  // stays valid while other lines are read.
  Entree& Lit(const Programme& programme, int index);

 private:
  std::vector<std::unique_ptr<Entree>> entrees_;  // entries never move: references stay valid
  std::optional<uint64_t> revision_;
  std::string tampon_;
};

}  // namespace korvane

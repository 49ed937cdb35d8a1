#pragma once
// Per-line cache of a run: what the dispatcher makes of a line's text, kept with the exact
// text it came from and reused only while the editor still holds that text.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "interpreter/Dispatcheur.h"
#include "interpreter/FormesRapides.h"
#include "machine/Peripheriques.h"

namespace korvane {

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

  // The program's revision is read once, since the text cannot change while a run executes.
  explicit CacheLignes(const Programme& programme) : programme_(programme), revision_(programme.Revision()) {}

  // Line `index` of the program, analysed; re-analysed when its text changed. The reference
  // stays valid while other lines are read.
  Entree& Lit(int index);
  // Line `index` as partner searches see it: marker-free, tabs as blanks, trimmed, upper-cased.
  const std::string& Majuscule(int index) { return Lit(index).Analyse.U; }
  int NbLignes() const { return programme_.NbLignes(); }
  const Programme& Texte() const { return programme_; }

 private:
  const Programme& programme_;
  std::vector<std::unique_ptr<Entree>> entrees_;  // entries never move: references stay valid
  std::optional<uint64_t> revision_;
  std::string tampon_;
};

}  // namespace korvane

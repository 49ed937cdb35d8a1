#pragma once
// Per-line cache of a run: what a line's text runs as (its compiled form, or what the
// dispatcher makes of it), kept only for lines that ran and only for lines that do
// something. Partner searches get a byte per line, never an entry.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "interpreter/Dispatcheur.h"
#include "interpreter/FormesRapides.h"
#include "machine/Peripheriques.h"

namespace korvane {

class CacheLignes {
 public:
  // A line that compiled keeps only its compiled form.
  using Entree = std::variant<LigneAnalysee, FormeRapide>;

  // The program's revision is read once, since the text cannot change while a run executes.
  // Without `compile` every line runs through its text (tests compare the two ways).
  explicit CacheLignes(const Programme& programme, bool compile = true)
      : programme_(programme), revision_(programme.Revision()), compile_(compile) {}

  // Line `index` of the program, analysed and compiled against `m`'s symbols; read again
  // when the host gives no revision and its text changed. The reference stays valid while
  // other lines are read.
  const Entree& Lit(int index, const Machine& m) {
    const auto position = static_cast<std::size_t>(index);
    // With a revision a line already read is its entry: a few instructions per line run.
    if (revision_ && position < etats_.size() && etats_[position].Analysee)
      return entrees_[position] ? *entrees_[position] : rien_;
    return LitTexte(index, m);
  }
  // Whether the text stays as it is for the whole run, so that what is found in it once
  // (a partner line) can be kept.
  [[nodiscard]] bool Fige() const { return revision_.has_value(); }
  // Line `index` analysed afresh, for a compiled line that leaves a case to its text.
  [[nodiscard]] LigneAnalysee Relit(int index) const;
  // Whether line `index`, as last read by Lit, starts with the breakpoint marker.
  [[nodiscard]] bool PointArret(int index) const { return etats_[static_cast<std::size_t>(index)].PointArret; }
  // The partners (kNext, kWend...) line `index` can be.
  uint8_t Partenaires(int index);
  int NbLignes() const { return programme_.NbLignes(); }
  const Programme& Texte() const { return programme_; }

 private:
  struct EtatLigne {
    bool Analysee : 1;
    bool PointArret : 1;
    bool PartenairesConnus : 1;  // kept only while the text cannot change
    uint8_t Partenaires : 5;
  };

  const Entree& LitTexte(int index, const Machine& m);
  EtatLigne& EtatDe(std::size_t position);
  void Analyse(std::size_t position, const Machine& m);

  const Programme& programme_;
  std::vector<EtatLigne> etats_;                  // one byte per line read
  std::vector<std::unique_ptr<Entree>> entrees_;  // none for a line that does nothing
  std::vector<std::string> sources_;              // the texts read, when there is no revision
  std::optional<uint64_t> revision_;
  bool compile_;
  std::string tampon_;
  const Entree rien_;
};

}  // namespace korvane

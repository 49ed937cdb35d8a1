#include "interpreter/CacheLignes.h"

namespace korvane {

CacheLignes::Entree& CacheLignes::Lit(int index) {
  const auto position = static_cast<std::size_t>(index);
  if (position >= entrees_.size()) entrees_.resize(position + 1);
  if (!entrees_[position]) entrees_[position] = std::make_unique<Entree>();
  Entree& entree = *entrees_[position];
  if (entree.Valide && revision_ && entree.Revision == revision_) return entree;
  entree.Revision = revision_;
  programme_.LitLigne(index, tampon_);
  if (!entree.Valide || entree.Source != tampon_) {
    entree.Source = tampon_;
    // A breakpoint marker is not part of the statement.
    entree.Analyse = AnalyseLigne(tampon_.starts_with('\xBB') ? tampon_.substr(1) : tampon_);
    entree.Rapide = FormeRapide{};
    entree.RapideEssaye = false;
    entree.Valide = true;
  }
  return entree;
}

}  // namespace korvane

#include "screen/MiseEnPage.h"

#include <algorithm>

namespace korvane {

MiseEnPage::MiseEnPage(int hauteurPage, int hauteurLigne)
    : hauteurLigne_(std::max(1, hauteurLigne)), lignesParPage_(std::max(1, hauteurPage / hauteurLigne_)) {}

MiseEnPage::Place MiseEnPage::LigneSuivante() {
  Place place;
  // The page is turned only when a line needs it, so a full last page leaves no blank one.
  if (lignesSurLaPage_ == lignesParPage_) {
    place.NouvellePage = true;
    lignesSurLaPage_ = 0;
  }
  place.Haut = lignesSurLaPage_++ * hauteurLigne_;
  return place;
}

}  // namespace korvane

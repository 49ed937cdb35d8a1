#pragma once
// Where each printed line goes: lines follow one another down the page, and a line that no
// longer fits starts a new page. Sizes are in the device's pixels.

namespace korvane {

class MiseEnPage {
 public:
  MiseEnPage(int hauteurPage, int hauteurLigne);

  // At least one, so that a line taller than the page still prints.
  int LignesParPage() const { return lignesParPage_; }

  struct Place {
    bool NouvellePage = false;  // the line starts a page after the first
    int Haut = 0;               // its top on its page
  };
  Place LigneSuivante();

 private:
  int hauteurLigne_;
  int lignesParPage_;
  int lignesSurLaPage_ = 0;
};

}  // namespace korvane
